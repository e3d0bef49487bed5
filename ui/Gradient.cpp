#include "ui/Gradient.h"

namespace tarnwick {

namespace {

struct Components {
    int64_t red, green, blue;
};

Components Split(uint32_t colour) { return {colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16}; }

int64_t Step(int64_t a, int64_t b, int i, int n) { return a + (b - a) * i / n; }

}  // namespace

std::vector<uint32_t> GradientSteps(int n, uint32_t from, uint32_t to) {
    std::vector<uint32_t> steps;
    if (n <= 0) return steps;
    steps.reserve(static_cast<size_t>(n));
    const Components a = Split(from);
    const Components b = Split(to);
    for (int i = 0; i < n; ++i) {
        int64_t colour = Step(a.red, b.red, i, n) + Step(a.green, b.green, i, n) * 256 +
                         Step(a.blue, b.blue, i, n) * 65536;
        steps.push_back(static_cast<uint32_t>(colour));
    }
    return steps;
}

}  // namespace tarnwick
