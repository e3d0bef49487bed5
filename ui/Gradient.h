#pragma once
// The colours of a linear gradient. The background and the wizard's header compute one row or
// column of colour steps, widen it to a 32-pixel band and tile the band (ui/win32/Gradient.h), so
// only n colours are ever computed for an n-pixel gradient.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// Width of the band the strip of colour steps is stretched to before it is tiled.
constexpr int GradientBandSize = 32;

// The n colours (COLORREF, 0x00BBGGRR) of a gradient from `from` to `to`, both already resolved
// (no system-colour bit). Each component of step i is a + (b - a) * i / n with the division
// truncated toward zero, so step 0 is `from` and the end colour itself is never reached. Red is
// bits 0-7, green bits 8-15 and blue every bit from 16 up.
std::vector<uint32_t> GradientSteps(int n, uint32_t from, uint32_t to);

// How many bands cover `extent` pixels: one more than fit wholly, so that an extent that is not a
// multiple of the band size is covered too (the last band is clipped by the drawing surface).
inline int GradientBandCount(int extent) { return extent / GradientBandSize + 1; }

}  // namespace tarnwick
