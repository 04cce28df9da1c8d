#include "turtle/surfaceOverlay.h"

#include <memory>

#include "turtle/tLogoTurtleParams.h"
#include "turtle/tTurtleShape.h"
#include "turtle/tgrScreen.h"

namespace {

// One picture, whatever the heading, with its hot spot at the top-left corner.
class tOverlayShape : public tTurtleShape {
public:
    explicit tOverlayShape(QImage picture) : picture_(std::move(picture)) {}

    int32_t FrameFor(long double, int32_t, bool) const override { return 0; }
    int32_t FrameCount() const override { return 1; }
    tView View(int32_t, int32_t) const override { return {picture_, 0, 0, 0}; }
    int32_t PictureCount(int32_t) const override { return 1; }
    int32_t NextPicture(int32_t, int32_t) const override { return 0; }
    int64_t StepDelay(int32_t, int32_t, long double) const override { return 0; }
    tTurtleShapeRef Recoloured(uint32_t) const override { return std::make_shared<const tOverlayShape>(picture_); }

private:
    QImage picture_;
};

}  // namespace

tSurfaceOverlay::tSurfaceOverlay(tgrScreen& screen) : turtle_(new tLogoTurtleParams(screen))
{
    // Never wrapped back onto the surface: a frame may reach past its edges.
    turtle_->rangeStyle = tEdgeStyle::kWindow;
}

tSurfaceOverlay::~tSurfaceOverlay() { turtle_->Detach(); }

void tSurfaceOverlay::Show(const QImage& picture, QPoint corner)
{
    tLogoTurtleParams& turtle = *turtle_;
    auto shape = std::make_shared<const tOverlayShape>(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    turtle.screen->ChangeLook([&] {
        turtle.position = {static_cast<long double>(corner.x()), static_cast<long double>(corner.y())};
        // "home" (clearscreen sends every turtle home) finds it at home already.
        turtle.homePosition = turtle.position;
        turtle.shape = shape;
        turtle.plainShape = shape;
        turtle.shown = true;
    });
}

void tSurfaceOverlay::Hide()
{
    tLogoTurtleParams& turtle = *turtle_;
    turtle.screen->ChangeLook([&] { turtle.shown = false; });
}

tgrScreen& tSurfaceOverlay::Screen() const { return *turtle_->screen; }
