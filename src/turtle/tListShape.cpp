#include "turtle/tListShape.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include "turtle/drawingListPicture.h"
#include "turtle/pictureTint.h"
#include "turtle/tLogoTurtleParams.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

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

// The steps of a film of lists last 100 milliseconds at speed 1.
constexpr long double kListStep = 100;

using tListFilm = std::vector<std::shared_ptr<tListPictures>>;

class tListShape : public tTurtleShape {
public:
    tListShape(tListFilm film, std::optional<uint32_t> colour) : film_(std::move(film)), colour_(colour) {}

    int32_t FrameFor(long double heading, int32_t, bool) const override
    {
        return static_cast<int32_t>(std::llround(normalHeading(heading) * 10)) % kTenths;
    }

    int32_t FrameCount() const override { return 1; }

    tView View(int32_t frame, int32_t picture) const override
    {
        tListPictures& step = *film_[static_cast<size_t>(picture >= 0 ? picture : 0) % film_.size()];
        tView view;
        {
            std::lock_guard<std::mutex> hold(step.lock);
            if (step.shownHeading != frame) {
                step.shown = drawingListView(step.drawing, {0, 0}, frame / 10.0L);
                step.shownHeading = frame;
            }
            view = step.shown;
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

    int32_t PictureCount(int32_t) const override { return static_cast<int32_t>(film_.size()); }
    int32_t NextPicture(int32_t, int32_t picture) const override
    {
        return picture + 1 < PictureCount(0) ? std::max(picture + 1, 0) : 0;
    }
    int64_t StepDelay(int32_t, int32_t, long double speed) const override
    {
        const long double milliseconds = std::round(kListStep * speed);
        return milliseconds > 0 ? static_cast<int64_t>(std::min(milliseconds, 1e15L)) : 0;
    }

    tTurtleShapeRef Recoloured(uint32_t colour) const override { return std::make_shared<const tListShape>(film_, colour); }

private:
    tListFilm film_;  // never empty
    std::optional<uint32_t> colour_;
};

}  // namespace

tTurtleShapeRef listShape(tlogoobject* list, const tDrawingStyle& style)
{
    tListFilm film;
    auto* given = static_cast<tLogoList*>(list);
    if (given->IsEmpty() || !given->First()->IsList()) {
        film.push_back(std::make_shared<tListPictures>(list, style));
    } else {
        for (tlogoobject* step : elements(given)) {
            if (!step->IsList()) throw eLogoException(erExpectList, step);
            film.push_back(std::make_shared<tListPictures>(step, style));
        }
    }
    return std::make_shared<const tListShape>(std::move(film), std::nullopt);
}
