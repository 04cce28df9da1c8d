#include "images/takenImages.h"

#include "images/tLogoImage.h"
#include "language/Language.h"
#include "processes/processEnvironment.h"
#include "values/tLogoVarTab.h"

tImageMode imageMode()
{
    tLogoVarTab* globals = processEnvironment().globals;
    tlogoobject* value = globals ? globals->FindValue(nameCode("imode")) : nullptr;
    if (!value || !value->IsNumber()) return tImageMode::kOpaque;
    const long double mode = value->AsReal();
    if (mode == 1 || mode == 2 || mode == 3) return static_cast<tImageMode>(static_cast<int32_t>(mode));
    return tImageMode::kOpaque;
}

tLogoImage* takenImage(tLogoPicture picture, tImageMode mode, uint32_t background)
{
    if (mode != tImageMode::kOpaque && picture.HasImage()) {
        uint32_t clear = background;
        if (mode == tImageMode::kWhite) clear = 0xFFFFFF;
        if (mode == tImageMode::kCorner) clear = picture.colour.pixel(0, 0) & 0xFFFFFFu;
        if (!picture.HasMask()) picture.mask = opaqueMask(picture.Width(), picture.Height());
        for (int y = 0; y < picture.Height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.colour.constScanLine(y));
            for (int x = 0; x < picture.Width(); ++x)
                if ((line[x] & 0xFFFFFFu) == clear) picture.mask.setPixel(x, y, 1);
        }
        // The colour bitmap keeps black under transparent pixels.
        picture.colour = picture.Composed().convertToFormat(QImage::Format_RGB32);
    }
    auto* image = new tLogoImage;
    image->style = tLogoImage::styleFrame;
    image->frames.push_back(makeFrame({std::move(picture)}));
    return image;
}
