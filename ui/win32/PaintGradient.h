#pragma once
// Painting a linear gradient: the full-screen background and the wizard's header picture area.

#include <windows.h>

#include <cstdint>

namespace tarnwick {

// Fills (0, 0, width, height) of dc with a gradient from colour1 to colour2, stored colour values
// (bit 31 names a system colour). vertical: colour1 at the top edge; otherwise at the left edge.
// One strip of colour steps (ui/Gradient.h) is stretched to a 32-pixel band with HALFTONE and the
// band is drawn side by side until the rectangle is covered; the last band is clipped by the DC.
void PaintGradient(HDC dc, int width, int height, bool vertical, uint32_t colour1, uint32_t colour2);

}  // namespace tarnwick
