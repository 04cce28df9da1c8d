#include "images/tLogoImage.h"

namespace {

tLogoTab* imageMethods = nullptr;

}

void setImageMethodTable(tLogoTab* table) { imageMethods = table; }

tLogoImage::tLogoImage() { AttachMethods(); }

void tLogoImage::AttachMethods() { methods = imageMethods; }

tlogoobject* tLogoImage::Clone()
{
    auto* copy = new tLogoImage;
    copy->frames = frames;
    copy->CopyInfo(*this);
    return copy;
}

bool tLogoImage::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return other && other->IsImage() && static_cast<tLogoImage*>(other)->frames == frames;
}

const tLogoPicture* tLogoImage::FirstPicture() const
{
    return frames.empty() ? nullptr : frames.front()->Picture(0);
}

void tLogoImage::CopyInfo(const tLogoImage& other)
{
    style = other.style;
    zeroAngle = other.zeroAngle;
    loop = other.loop;
}

tLogoImage* imageOfBitmap(const QImage& bitmap)
{
    tLogoPicture picture;
    picture.colour = bitmap.convertToFormat(QImage::Format_RGB32);
    picture.hotX = picture.Width() / 2;
    picture.hotY = picture.Height() / 2;
    auto* image = new tLogoImage;
    image->style = tLogoImage::styleFrame;
    image->frames.push_back(makeFrame({picture}));
    return image;
}
