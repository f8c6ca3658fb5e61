// Window behaviour of the main stage: dragging, the popup menu and its commands.
#include "app/win/main_stage.h"

namespace velmira {

void TMainStage::CreatePopupMenu1() {}

LRESULT TMainStage::WMNCHitTest() { return HTCLIENT; }

void TMainStage::ShowPopupMenu1(int screenX, int screenY) {
    (void)screenX;
    (void)screenY;
}

void TMainStage::PopupMenu1Popup() {}

void TMainStage::MenuCommand(UINT id) { (void)id; }

void TMainStage::StayOnTop1Click() {}

void TMainStage::MIDebugModeClick() {}

void TMainStage::MIThreadPrio6Click(UINT itemId) { (void)itemId; }

void TMainStage::About1Click() {}

void TMainStage::MIMemorialSetClick() {}

void TMainStage::MIScheduleSetClick() {}

void TMainStage::SetMenuChecked(UINT itemId, bool checked) {
    (void)itemId;
    (void)checked;
}

void TMainStage::ApplyMenuMarks() {}

void TMainStage::CheckThreadPriorityItem() {}

}  // namespace velmira
