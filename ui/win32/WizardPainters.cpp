#include "ui/win32/WizardPainters.h"

#include "ui/win32/PaintGradient.h"

namespace tarnwick {

namespace {

void DrawPicture(HDC dc, const Bitmap& picture, int x, int y, bool transparentByCorner) {
    if (transparentByCorner) {
        picture.DrawTransparentByCorner(dc, x, y);
    } else {
        picture.Draw(dc, x, y);
    }
}

}  // namespace

void PaintHeaderPicture(HDC dc, const SetupModel& model, const Bitmap* picture) {
    if (!model.SettingFlag(49)) return;
    PaintGradient(dc, HeaderGradientWidth, HeaderGradientHeight, false, static_cast<uint32_t>(model.SettingNumber(60)),
                  static_cast<uint32_t>(model.SettingNumber(70)));
    if (picture) DrawPicture(dc, *picture, model.SettingNumber(81), model.SettingNumber(80), model.SettingFlag(71));
}

void PaintSidePicture(HDC dc, const SetupModel& model, const Bitmap* picture) {
    if (!model.SettingFlag(63) || !picture) return;
    DrawPicture(dc, *picture, model.SettingNumber(83), model.SettingNumber(82), model.SettingFlag(77));
}

void PaintPageIcon(HDC dc, const Bitmap* picture) {
    if (picture) picture->DrawTransparent(dc, 0, 0, RGB(0, 0, 0));
}

}  // namespace tarnwick
