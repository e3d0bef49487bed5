#include "ui/WizardLayout.h"

namespace tarnwick {

SeparatorPlacement SeparatorAfterBranding(int brandingLeft, int brandingWidth, int windowWidth) {
    return {brandingLeft + brandingWidth, windowWidth - brandingLeft - brandingWidth - 20};
}

ShortcutOptionTops CloseUpShortcutOptions(ShortcutOptionTops tops, bool desktopVisible, bool startMenuVisible) {
    if (!desktopVisible) tops.startMenu = tops.desktop;
    if (!startMenuVisible) tops.quickLaunch = tops.startMenu;
    if (!desktopVisible && startMenuVisible) tops.quickLaunch = 152;
    return tops;
}

}  // namespace tarnwick
