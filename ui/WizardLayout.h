#pragma once
// The wizard's layout rules that move controls after creation, apart from the windows that
// carry them out.

namespace tarnwick {

// The separator line runs from the right end of the branding text to 20 pixels before the
// window's right edge. windowWidth is the window's outer width.
struct SeparatorPlacement {
    int left = 0;
    int width = 0;
};
SeparatorPlacement SeparatorAfterBranding(int brandingLeft, int brandingWidth, int windowWidth);

// The tops of the shortcuts page's three options. When the page closes up its visible options,
// a hidden desktop option gives its place to the start-menu option, a hidden start-menu option
// gives its (possibly new) place to the quick-launch option, and with the desktop option hidden
// and the start-menu option shown, the quick-launch option sits in the second row (152).
struct ShortcutOptionTops {
    int desktop = 128;
    int startMenu = 152;
    int quickLaunch = 176;
};
ShortcutOptionTops CloseUpShortcutOptions(ShortcutOptionTops tops, bool desktopVisible, bool startMenuVisible);

}  // namespace tarnwick
