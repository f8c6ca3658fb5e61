#include "base/win/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace velmira {

void InitCommonControlClasses() {
    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
}

}  // namespace velmira
