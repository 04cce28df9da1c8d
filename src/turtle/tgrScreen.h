#pragma once

#include <QImage>

#include <atomic>

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "turtle/realGeometry.h"
#include "turtle/surfacePicture.h"
#include "turtle/tTurtleShape.h"
#include "values/tLogoRef.h"
#include "values/tlogoobject.h"

class tLogoTurtleParams;
struct tgrShownState;

// The drawing surface of a page or pane: the picture everything is drawn into and stays in,
// its logo origin and background, and the turtles shown over it. The picture has its own lock,
// which every drawing operation and every composition takes; the turtle list has another,
// always taken after the picture's.
class tgrScreen : public tlogoobject {
public:
    tgrScreen(int width, int height);
    ~tgrScreen() override;

    tlogoobject* Clone() override { return this; }
    const char* ClassName() const override { return "tgrScreen"; }

    int Width() const { return picture.width(); }
    int Height() const { return picture.height(); }

    // Logo coordinates (origin at the origin point, y up) to surface pixels and back.
    tRealPoint ToSurface(long double x, long double y) const { return {x + originX, originY - y}; }
    long double LogoX(long double surfaceX) const { return surfaceX - originX; }
    long double LogoY(long double surfaceY) const { return originY - surfaceY; }

    // Fills the whole picture with the background colour.
    void Clean();
    // The picture takes that size keeping what is drawn (cut, or background where it grows); the
    // origin and the surfaces lying on it stay.
    void Resize(int width, int height);
    // The full range after the picture changed its size; the caller holds the picture's lock.
    void FitRange();
    // The colour (0xRRGGBB) of a picture pixel; the background outside the picture.
    uint32_t PixelAt(int64_t x, int64_t y);

    // Turtles register in drawing order (later ones over earlier ones).
    int Register(tLogoTurtleParams* turtle);
    void Unregister(tLogoTurtleParams* turtle);
    std::vector<tLogoTurtleParams*> Turtles();
    // Puts the turtles in the order `reorder` makes of the present one, under the list's lock;
    // false when the order stays as it was.
    bool Reorder(const std::function<std::vector<tLogoTurtleParams*>(const std::vector<tLogoTurtleParams*>&)>& reorder);

    // Runs a change of how turtles look (shape, scale, colour, the picture of a film) under the
    // turtle-list lock, so that a repaint never sees half a change.
    void ChangeLook(const std::function<void()>& change);

    // The picture with the shown turtles drawn over it, and over those the surfaces that lie
    // on this one (panes), each composed the same way, as the page is shown.
    QImage Composed();
    // A count that moves whenever what Composed() shows may have changed: drawing into the
    // picture, clearing or resizing it, a turtle moving, turning, showing, hiding or changing its
    // look, a surface lying on this one changing or moving. A viewer composes again only when
    // the count moved since its last composition; taking the count costs next to nothing.
    uint64_t Changes();

    // Surfaces lying on this one, drawn in the order they were added; each knows its top-left
    // corner in this surface's pixels.
    void AddChild(tgrScreen* child);
    // The surfaces lying on this one, bottom first, as Composed() draws them (the mouse finds
    // the topmost under the pointer).
    std::vector<tLogoRef<tgrScreen>> Children();
    // Leaves the surface it lies on.
    void Detach();
    // Drawn over (true) or under all other surfaces lying on the same one.
    void Restack(bool toFront);
    void MoveTo(int left, int top);
    int Left() const { return left_; }
    int Top() const { return top_; }

    tSurfacePicture picture;  // Format_RGB32, made on first use
    std::mutex pictureLock;
    tRealRect range;  // the full range: 0 .. width - 1, 0 .. height - 1
    int originX = 0;
    int originY = 0;
    uint32_t backgroundColour = 0xFFFFFF;
    // The settings of the page's own "bg" drawing commands.
    uint32_t lineColour = 0;
    int32_t lineWidth = 1;
    int32_t linePattern = 0;

private:
    std::mutex turtleListLock_;
    std::vector<tLogoTurtleParams*> turtles_;  // not counted: a turtle leaves when it goes
    std::vector<tLogoRef<tgrScreen>> children_;  // under the turtle-list lock
    tgrScreen* parent_ = nullptr;                 // under the parent's turtle-list lock
    std::atomic<int> left_{0};
    std::atomic<int> top_{0};
    // What Changes() last saw, under both locks: the picture's content key and the state of
    // every shown turtle and lying surface, compared exactly instead of hashed.
    std::vector<tgrShownState> lastShown_;
    int64_t lastPictureKey_ = 0;
    uint64_t changes_ = 0;  // under the turtle-list lock
};
