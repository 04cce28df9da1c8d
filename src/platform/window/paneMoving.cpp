#include "platform/window/paneMoving.h"

#include <algorithm>

#include "objects/tmultiobject.h"
#include "turtle/controlProperties.h"
#include "turtle/pointerState.h"
#include "turtle/realGeometry.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopane.h"
#include "turtle/turtleAccess.h"

namespace {

constexpr int kLeastSide = 4;

// Where the surface the pane lies on has its corner on the shown page.
QPoint groundCorner(tmultiobject& pane)
{
    tgrScreen* ground = pane.place ? screenOf(*pane.place) : nullptr;
    if (!ground) return {};
    const tRealPoint corner = cornerOnShownPage(*ground);
    return {static_cast<int>(corner.x), static_cast<int>(corner.y)};
}

}  // namespace

bool onResizeGrip(QPoint onPane, int width, int height)
{
    const int gripWidth = std::min(std::max(width / 10, 8), 24);
    const int gripHeight = std::min(std::max(height / 10, 8), 24);
    return onPane.x() >= width - gripWidth && onPane.y() >= height - gripHeight && onPane.x() < width &&
           onPane.y() < height;
}

bool tPaneMoving::Begin(tmultiobject& object, int button, int keys, QPoint onPage, QPoint onPane)
{
    const bool shift = (keys & 2) != 0, control = (keys & 1) != 0;
    if (button != 1 || !(shift || control) || !dynamic_cast<tlogopane*>(&object) || isFrozen(object)) return false;
    tgrScreen* surface = screenOf(object);
    if (!surface) return false;
    if (!shift && !onResizeGrip(onPane, surface->Width(), surface->Height())) return false;
    pane_ = &object;
    resizing_ = !shift;
    pressedAt_ = onPage;
    bounds_ = QRect(surface->Left(), surface->Top(), surface->Width(), surface->Height());
    return true;
}

void tPaneMoving::Follow(QPoint onPage)
{
    tgrScreen* surface = pane_ ? screenOf(*pane_) : nullptr;
    if (!surface) return;
    const QPoint travel = onPage - pressedAt_;
    if (resizing_)
        surface->Resize(std::max(bounds_.width() + travel.x(), kLeastSide),
                        std::max(bounds_.height() + travel.y(), kLeastSide));
    else
        surface->MoveTo(bounds_.left() + travel.x(), bounds_.top() + travel.y());
}

void tPaneMoving::Forget(tmultiobject& object)
{
    if (pane_ == &object) pane_ = nullptr;
}

void dragPaneAlong(tmultiobject& pane, QPoint onPage, long double clickX, long double clickY)
{
    tgrScreen* surface = screenOf(pane);
    if (!surface) return;
    const QPoint onGround = onPage - groundCorner(pane);
    surface->MoveTo(onGround.x() - static_cast<int>(roundPixel(clickX)), onGround.y() - static_cast<int>(roundPixel(clickY)));
}
