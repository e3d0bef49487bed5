#pragma once
// Transparency for child windows: what lies under a control, drawn into the control's own DC.
//
// Windows has no real transparency for child windows. A transparent label or picture area
// instead asks its parent to paint its client area (WM_PRINTCLIENT) into the control's DC,
// shifted so that the parent's pixels land where they are on screen, and then asks each lower
// sibling of ours that overlaps it (a picture area under a label, say) to do the same. Only
// then does the control draw its own content, with a transparent background mode and a null
// brush. This works with WS_CLIPCHILDREN parents and when the control repaints alone (its text
// changed), unlike leaving the background unpainted.

#include <windows.h>

namespace tarnwick {

// Paints what lies under `child` into dc, whose origin is the child's client origin. Clipped to
// the child's client area; the DC's state is left as it was.
void PaintParentBackground(HWND child, HDC dc);

}  // namespace tarnwick
