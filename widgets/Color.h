#pragma once
// Colours as the setup script writes them, and solid brushes for painting them.

#include <windows.h>

#include <cstdint>

namespace tarnwick {

// A stored colour value: bit 31 set names the system colour whose index is in the low bits
// (GetSysColor); otherwise the value is a COLORREF (0x00BBGGRR).
COLORREF ResolveColor(uint32_t value);

// The value that names system colour `index` (COLOR_WINDOW ...), for places that take stored values.
constexpr uint32_t SystemColor(int index) { return 0x80000000u | static_cast<uint32_t>(index); }

// A solid brush of the colour, made once and kept for the life of the process (the GUI uses a
// handful of colours; windows never own or delete these).
HBRUSH BrushForColor(COLORREF color);

}  // namespace tarnwick
