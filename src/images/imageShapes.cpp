#include "images/imageShapes.h"

#include <memory>
#include <vector>

#include "images/frameByHeading.h"
#include "images/imageFiles.h"
#include "images/imageTransforms.h"
#include "images/shapeAnimation.h"
#include "images/tLogoImage.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

namespace {

// Holds a copy of the image (its frames are shared and never change), so the repaint can draw
// it without the interpreter lock and without touching the value's count.
class tImageShape : public tTurtleShape {
public:
    explicit tImageShape(const tLogoImage& image)
    {
        image_.frames = image.frames;
        image_.CopyInfo(image);
    }

    int32_t FrameFor(long double heading, int32_t frameIndex, bool frameMode) const override
    {
        if (frameMode || image_.style != tLogoImage::styleHeading) return frameByIndex(image_, frameIndex);
        return frameForHeading(image_, heading);
    }

    int32_t FrameCount() const override { return image_.Count(); }

    tView View(int32_t frame, int32_t picture) const override
    {
        tView view;
        if (frame < 0 || frame >= image_.Count()) return view;
        const tLogoPicture* shown = image_.frames[static_cast<size_t>(frame)]->Picture(picture);
        if (!shown || !shown->HasImage()) return view;
        view.picture = shown->Composed();
        view.hotX = shown->hotX;
        view.hotY = shown->hotY;
        view.delay = shown->delay;
        return view;
    }

    int32_t PictureCount(int32_t frame) const override
    {
        return frame >= 0 && frame < image_.Count() ? image_.frames[static_cast<size_t>(frame)]->Count() : 0;
    }

    int32_t NextPicture(int32_t frame, int32_t picture) const override { return nextPicture(image_, frame, picture); }

    int64_t StepDelay(int32_t frame, int32_t picture, long double speed) const override
    {
        const tLogoPicture* shown = frame >= 0 && frame < image_.Count()
                                        ? image_.frames[static_cast<size_t>(frame)]->Picture(picture)
                                        : nullptr;
        return stepDelay(shown ? shown->delay : 0, speed);
    }

    tTurtleShapeRef Recoloured(uint32_t colour) const override
    {
        const tLogoRef<tLogoImage> tinted(
            mapPictures(image_, [colour](const tLogoPicture& picture) { return tintedPicture(picture, colour); }));
        return std::make_shared<const tImageShape>(*tinted);
    }

private:
    tLogoImage image_;
};

}  // namespace

tTurtleShapeRef imageShape(const tLogoImage& image) { return std::make_shared<const tImageShape>(image); }

tTurtleShapeRef shapeOfValue(tlogoobject* value)
{
    tLogoRef<tLogoImage> loaded;
    const tLogoImage* image = nullptr;
    if (value->IsImage()) {
        image = static_cast<const tLogoImage*>(value);
    } else if (value->IsWord()) {
        loaded = loadImageNamed(value->WordView(), ".LGF");
        image = loaded.get();
    } else {
        throw eLogoException(erExpectImage, value);
    }
    if (image->frames.empty()) throw eLogoException(erEmptyImage, value);
    return imageShape(*image);
}
