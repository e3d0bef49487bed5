#pragma once
// The paint handlers of the wizard's picture areas. Each is called with the area's DC after its
// background is painted (a transparent area shows what lies beneath it).

#include <windows.h>

#include "package/SetupModel.h"
#include "widgets/Bitmap.h"

namespace tarnwick {

// Width and height of the header's gradient; the header's own colour (setting 70) continues it.
constexpr int HeaderGradientWidth = 170;
constexpr int HeaderGradientHeight = 58;

// Header picture area: with setting 49 on, a left-to-right gradient from setting 60 to setting
// 70 over the first 170 pixels, then the header picture at (setting 81, setting 80), transparent
// by its own pixel (0, 0) when setting 71 is on.
void PaintHeaderPicture(HDC dc, const SetupModel& model, const Bitmap* picture);

// Side picture area (white background): with setting 63 on, the side picture at (setting 83,
// setting 82) (the left may be negative), transparent by its pixel (0, 0) when setting 77 is on.
void PaintSidePicture(HDC dc, const SetupModel& model, const Bitmap* picture);

// A page icon box: the picture at (0, 0) with black left out.
void PaintPageIcon(HDC dc, const Bitmap* picture);

}  // namespace tarnwick
