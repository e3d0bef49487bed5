#include "widgets/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace tarnwick {

void EnsureCommonControls() {
    static bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

}  // namespace tarnwick
