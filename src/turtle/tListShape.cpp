#include "turtle/tListShape.h"

#include <cmath>
#include <memory>
#include <mutex>

#include "turtle/drawingListPicture.h"
#include "turtle/pictureTint.h"
#include "turtle/tLogoTurtleParams.h"

namespace {

constexpr int32_t kTenths = 3600;

// The compiled list and the last picture drawn of it, shared by the list's recoloured copies.
// The repaint draws without the interpreter lock, so placing and drawing hold the lock here.
struct tListPictures {
    tListPictures(tlogoobject* list, const tDrawingStyle& style) : drawing(list, style) {}

    tDrawingList drawing;
    std::mutex lock;
    int32_t shownHeading = -1;
    tTurtleShape::tView shown;
};

class tListShape : public tTurtleShape {
public:
    tListShape(std::shared_ptr<tListPictures> pictures, std::optional<uint32_t> colour)
        : pictures_(std::move(pictures)), colour_(colour)
    {
    }

    int32_t FrameFor(long double heading, int32_t, bool) const override
    {
        return static_cast<int32_t>(std::llround(normalHeading(heading) * 10)) % kTenths;
    }

    int32_t FrameCount() const override { return 1; }

    tView View(int32_t frame, int32_t) const override
    {
        tView view;
        {
            std::lock_guard<std::mutex> hold(pictures_->lock);
            if (pictures_->shownHeading != frame) {
                pictures_->shown = drawingListView(pictures_->drawing, {0, 0}, frame / 10.0L);
                pictures_->shownHeading = frame;
            }
            view = pictures_->shown;
        }
        if (colour_ && !view.picture.isNull()) {
            view.picture = view.picture.copy();
            for (int y = 0; y < view.picture.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(view.picture.scanLine(y));
                for (int x = 0; x < view.picture.width(); ++x) line[x] = tintedPixel(line[x], *colour_);
            }
        }
        return view;
    }

    int32_t PictureCount(int32_t) const override { return 1; }
    int32_t NextPicture(int32_t, int32_t) const override { return 0; }
    int64_t StepDelay(int32_t, int32_t, long double) const override { return 0; }

    tTurtleShapeRef Recoloured(uint32_t colour) const override
    {
        return std::make_shared<const tListShape>(pictures_, colour);
    }

private:
    std::shared_ptr<tListPictures> pictures_;
    std::optional<uint32_t> colour_;
};

}  // namespace

tTurtleShapeRef listShape(tlogoobject* list, const tDrawingStyle& style)
{
    return std::make_shared<const tListShape>(std::make_shared<tListPictures>(list, style), std::nullopt);
}
