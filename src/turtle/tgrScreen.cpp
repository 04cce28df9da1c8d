#include "turtle/tgrScreen.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <atomic>

#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleShape.h"
#include "turtle/undoStore.h"

// What a surface shows of one turtle or of one surface lying on it.
struct tgrShownState {
    const void* who = nullptr;  // a turtle or a surface lying on this one
    const void* shape = nullptr;
    std::array<long double, 17> numbers{};
    bool operator==(const tgrShownState&) const = default;
};

namespace {
// Everything drawTurtleShape reads of a turtle; a hidden turtle is only its being hidden.
tgrShownState shownStateOf(const tLogoTurtleParams& t)
{
    tgrShownState state;
    state.who = &t;
    if (!t.shown) return state;
    state.shape = t.shape.get();
    const tRealRect r = t.shownRange.value_or(tRealRect{});
    state.numbers = {1,
                     t.position.x,
                     t.position.y,
                     t.mathAngle,
                     t.heading,
                     static_cast<long double>(t.frameIndex),
                     t.frameMode ? 1.0L : 0.0L,
                     static_cast<long double>(t.pictureIndex),
                     t.scaleX,
                     t.scaleY,
                     t.shapeColour ? static_cast<long double>(*t.shapeColour) : -1.0L,
                     static_cast<long double>(t.pen.colour),
                     t.shownRange ? 1.0L : 0.0L,
                     r.left,
                     r.right,
                     r.top,
                     r.bottom};
    return state;
}

// Turtles are numbered across all surfaces, in the order they registered.
std::atomic<int32_t> turtleCount{0};
}  // namespace

tgrScreen::tgrScreen(int width, int height) : picture(width, height, 0xFFFFFF)
{
    FitRange();
    originX = width / 2;
    originY = height / 2;
}

tgrScreen::~tgrScreen()
{
    forgetUndoOf(*this);
    for (tLogoRef<tgrScreen>& child : children_) child->parent_ = nullptr;
}

void tgrScreen::Clean()
{
    std::lock_guard<std::mutex> hold(pictureLock);
    picture.Fill(backgroundColour);
}

void tgrScreen::Resize(int width, int height)
{
    std::lock_guard<std::mutex> hold(pictureLock);
    // Nothing is drawn on a picture not made yet: it is only made at the new size.
    if (picture.ResizeUnmade(width, height, backgroundColour)) {
        FitRange();
        return;
    }
    // What is drawn stays where it is: a smaller picture cuts it, a larger one adds background.
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(QColor::fromRgb(0xFF000000u | backgroundColour));
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, picture);
    }
    picture = std::move(resized);
    FitRange();
}

void tgrScreen::FitRange()
{
    range = {0, static_cast<long double>(picture.width() - 1), 0, static_cast<long double>(picture.height() - 1)};
}

uint32_t tgrScreen::PixelAt(int64_t x, int64_t y)
{
    std::lock_guard<std::mutex> hold(pictureLock);
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return backgroundColour;
    return picture.pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFFu;
}

int tgrScreen::Register(tLogoTurtleParams* turtle)
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    turtles_.push_back(turtle);
    return ++turtleCount;
}

void tgrScreen::Unregister(tLogoTurtleParams* turtle)
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    std::erase(turtles_, turtle);
}

std::vector<tLogoTurtleParams*> tgrScreen::Turtles()
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    return turtles_;
}

bool tgrScreen::Reorder(
    const std::function<std::vector<tLogoTurtleParams*>(const std::vector<tLogoTurtleParams*>&)>& reorder)
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    std::vector<tLogoTurtleParams*> order = reorder(turtles_);
    if (order == turtles_) return false;
    turtles_ = std::move(order);
    return true;
}

QImage tgrScreen::Composed()
{
    QImage shown;
    std::vector<tLogoRef<tgrScreen>> children;
    {
        std::lock_guard<std::mutex> holdPicture(pictureLock);
        shown = picture.copy();
        std::lock_guard<std::mutex> holdTurtles(turtleListLock_);
        QPainter painter(&shown);
        for (tLogoTurtleParams* turtle : turtles_)
            if (turtle->shown) drawTurtleShape(painter, *turtle);
        children = children_;
    }
    // Each surface is composed under its own locks only, never inside another's.
    if (!children.empty()) {
        QPainter painter(&shown);
        for (const tLogoRef<tgrScreen>& child : children) painter.drawImage(child->left_, child->top_, child->Composed());
    }
    return shown;
}

uint64_t tgrScreen::Changes()
{
    std::vector<tgrShownState> shownNow;
    std::vector<tLogoRef<tgrScreen>> children;
    {
        std::lock_guard<std::mutex> holdPicture(pictureLock);
        std::lock_guard<std::mutex> holdTurtles(turtleListLock_);
        // Qt gives an image a new key whenever it is written into, by a painter or otherwise.
        if (picture.cacheKey() != lastPictureKey_) {
            lastPictureKey_ = picture.cacheKey();
            ++changes_;
        }
        shownNow.reserve(turtles_.size() + children_.size());
        for (tLogoTurtleParams* turtle : turtles_) shownNow.push_back(shownStateOf(*turtle));
        children = children_;
    }
    // Each lying surface is asked under its own locks only, as Composed() does.
    for (const tLogoRef<tgrScreen>& child : children) {
        tgrShownState state;
        state.who = child.get();
        state.numbers[0] = static_cast<long double>(child->Changes());
        state.numbers[1] = child->left_;
        state.numbers[2] = child->top_;
        shownNow.push_back(state);
    }
    std::lock_guard<std::mutex> holdTurtles(turtleListLock_);
    if (shownNow != lastShown_) {
        lastShown_ = std::move(shownNow);
        ++changes_;
    }
    return changes_;
}

void tgrScreen::AddChild(tgrScreen* child)
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    children_.emplace_back(child);
    child->parent_ = this;
}

std::vector<tLogoRef<tgrScreen>> tgrScreen::Children()
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    return children_;
}

void tgrScreen::Detach()
{
    tgrScreen* parent = parent_;
    if (!parent) return;
    std::lock_guard<std::mutex> hold(parent->turtleListLock_);
    parent_ = nullptr;
    std::erase_if(parent->children_, [&](const tLogoRef<tgrScreen>& child) { return child.get() == this; });
}

void tgrScreen::Restack(bool toFront)
{
    tgrScreen* parent = parent_;
    if (!parent) return;
    std::lock_guard<std::mutex> hold(parent->turtleListLock_);
    auto& children = parent->children_;
    auto at = std::find_if(children.begin(), children.end(), [&](const tLogoRef<tgrScreen>& child) { return child.get() == this; });
    if (at == children.end()) return;
    if (toFront)
        std::rotate(at, at + 1, children.end());
    else
        std::rotate(children.begin(), at, at + 1);
}

void tgrScreen::MoveTo(int left, int top)
{
    left_ = left;
    top_ = top;
}


void tgrScreen::ChangeLook(const std::function<void()>& change)
{
    std::lock_guard<std::mutex> hold(turtleListLock_);
    change();
    // A look can change inside a shape that stays the same object.
    ++changes_;
}
