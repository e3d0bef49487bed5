#include "widgets/Color.h"

#include <map>

namespace tarnwick {

COLORREF ResolveColor(uint32_t value) {
    if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
    return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

HBRUSH BrushForColor(COLORREF color) {
    // GUI thread only, like every painting path.
    static std::map<COLORREF, HBRUSH> brushes;
    auto found = brushes.find(color);
    if (found != brushes.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(color);
    brushes.emplace(color, brush);
    return brush;
}

}  // namespace tarnwick
