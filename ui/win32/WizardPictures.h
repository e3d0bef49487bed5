#pragma once
// The wizard's pictures: the package's bitmap streams (header picture, side picture and the three
// page icons) made into bitmaps once, kept for the whole run.

#include <cstdint>
#include <map>

#include "package/PackageLoader.h"
#include "widgets/Bitmap.h"

namespace tarnwick {

class WizardPictures {
public:
    // Every bitmap kind of the package that holds a readable BMP.
    void Load(const LoadedPackage& package);
    // The picture of a stream kind; null when the package has none (or an unreadable one), and
    // its painter then draws nothing for it.
    const Bitmap* Picture(uint8_t kind) const;

private:
    std::map<uint8_t, Bitmap> pictures_;
};

}  // namespace tarnwick
