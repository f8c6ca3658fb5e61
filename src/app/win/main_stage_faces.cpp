// Faces and loneliness of the main stage.
#include "app/win/main_stage.h"

namespace velmira {

void TMainStage::StopLonelinessTimer() { SamishiiTimer.SetEnabled(false); }

void TMainStage::ResetLoneliness() {}

void TMainStage::TryRandomSmile() {}

void TMainStage::FaceFramePaint(HDC dc) { (void)dc; }

void TMainStage::SamishiiTimerTimer() {}

}  // namespace velmira
