#include "ui/win32/WizardPictures.h"

namespace tarnwick {

void WizardPictures::Load(const LoadedPackage& package) {
    pictures_.clear();
    for (const auto& [kind, bytes] : package.Bitmaps) {
        Bitmap picture = Bitmap::FromBmpBytes(bytes);
        if (!picture.Empty()) pictures_.emplace(kind, std::move(picture));
    }
}

const Bitmap* WizardPictures::Picture(uint8_t kind) const {
    auto found = pictures_.find(kind);
    return found == pictures_.end() ? nullptr : &found->second;
}

}  // namespace tarnwick
