#include "turtle/selectionFrame.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <optional>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/rangeRectangles.h"
#include "turtle/surfaceOverlay.h"
#include "turtle/tTurtleShape.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"

namespace {

constexpr int kFrameMargin = 7;  // the outer rectangle is this much larger on every side
constexpr int kHandleSide = 6;
constexpr int kMoveHandle = 9;

struct tSelection {
    std::unique_ptr<tSurfaceOverlay> overlay;
    tgrScreen* screen = nullptr;
    QImage image;
    QRect inner;
    // The action of the left button: the handle it took, where and the frame then.
    int handle = 0;
    QPoint pressedAt;
    QRect innerAtPress;
};

std::optional<tSelection> current;

// The eight handles, in the order they are tested, as squares in surface pixels: 7 to 2 pixels
// outside the inner rectangle, the middles centred on the sides.
std::array<QRect, 8> handleSquares(const QRect& inner)
{
    const int left = inner.left() - kFrameMargin, top = inner.top() - kFrameMargin;
    const int right = inner.left() + inner.width() + 1, bottom = inner.top() + inner.height() + 1;
    const int middleX = inner.left() + (inner.width() - kHandleSide) / 2;
    const int middleY = inner.top() + (inner.height() - kHandleSide) / 2;
    auto square = [](int x, int y) { return QRect(x, y, kHandleSide, kHandleSide); };
    return {square(left, top),    square(right, top),   square(left, bottom),    square(right, bottom),
            square(middleX, bottom), square(right, middleY), square(middleX, top), square(left, middleY)};
}

QRect outerOf(const QRect& inner) { return inner.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin); }

// The frame as the window shows it: the picture stretched into the inner rectangle and, unless
// the frame is being moved, a dotted outline with its handles.
void show(tSelection& selection)
{
    const QRect outer = outerOf(selection.inner);
    QImage frame(outer.size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    {
        QPainter painter(&frame);
        painter.translate(-outer.topLeft());
        if (!selection.inner.isEmpty()) painter.drawImage(selection.inner, selection.image);
        if (selection.handle != kMoveHandle) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(selection.inner.adjusted(0, 0, -1, -1));
            for (const QRect& handle : handleSquares(selection.inner)) painter.fillRect(handle, Qt::black);
        }
    }
    selection.overlay->Show(frame, outer.topLeft());
}

void stamp(const tSelection& selection)
{
    if (selection.inner.isEmpty()) return;
    tgrScreen& screen = *selection.screen;
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    QPainter painter(&screen.picture);
    painter.drawImage(selection.inner, selection.image);
}

// The inner rectangle after the handle moved by (dx, dy): the edges it touches follow, the
// opposite ones stay, and no side crosses its opposite one.
QRect resized(const QRect& start, int handle, int dx, int dy)
{
    if (handle == kMoveHandle) return start.translated(dx, dy);
    int left = start.left(), top = start.top();
    int right = left + start.width(), bottom = top + start.height();  // exclusive
    const bool movesLeft = handle == 1 || handle == 3 || handle == 8;
    const bool movesRight = handle == 2 || handle == 4 || handle == 6;
    const bool movesTop = handle == 1 || handle == 2 || handle == 7;
    const bool movesBottom = handle == 3 || handle == 4 || handle == 5;
    if (movesLeft) left = std::min(left + dx, right);
    if (movesRight) right = std::max(right + dx, left);
    if (movesTop) top = std::min(top + dy, bottom);
    if (movesBottom) bottom = std::max(bottom + dy, top);
    return QRect(left, top, right - left, bottom - top);
}

QPoint qPoint(tPixel pixel) { return {static_cast<int>(pixel.x), static_cast<int>(pixel.y)}; }

// "createselection" rectangle (logo): the part of the picture is cut out, the hole filled with
// the background.
tlogoobject* createselection(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tRealRect> given = readRectangle(screen, call[0]);
    if (!given) return nullptr;
    finishSelection();
    const QPoint topLeft(static_cast<int>(roundPixel(given->left)), static_cast<int>(roundPixel(given->top)));
    const QPoint bottomRight(static_cast<int>(roundPixel(given->right)) - 1,
                             static_cast<int>(roundPixel(given->bottom)) - 1);
    QRect inner(topLeft, bottomRight);
    QImage image;
    {
        std::lock_guard<std::mutex> hold(screen.pictureLock);
        inner &= screen.picture.rect();
        if (inner.isEmpty()) return nullptr;
        image = screen.picture.copy(inner);
        QPainter painter(&screen.picture);
        painter.fillRect(inner, QColor::fromRgb(0xFF000000u | screen.backgroundColour));
    }
    createSelection(screen, image, inner);
    return nullptr;
}

// "createfileselection" name: the picture read as a shape would be, at its natural size at the
// picture's top-left corner.
tlogoobject* createfileselection(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tTurtleShapeMaker& maker = turtleShapeMaker();
    if (!maker) throw eLogoException(erExpectImage, call[0]);
    const tTurtleShapeRef shape = maker(call[0]);
    const QImage picture = shape->View(0, 0).picture;
    if (picture.isNull()) throw eLogoException(erExpectImage, call[0]);
    createSelection(screen, picture, QRect(QPoint(0, 0), picture.size()));
    return nullptr;
}

constexpr tPrimitiveRow kSelectionRows[] = {
    {"createselection", 1, kFixedInputs, &createselection},
    {"createfileselection", 1, kFixedInputs, &createfileselection},
};

}  // namespace

void createSelection(tgrScreen& screen, const QImage& image, QRect inner)
{
    finishSelection();
    current.emplace();
    current->overlay = std::make_unique<tSurfaceOverlay>(screen);
    current->screen = &screen;
    current->image = image;
    current->inner = inner;
    show(*current);
}

bool selectionExists() { return current.has_value(); }

tgrScreen* selectionScreen() { return current ? current->screen : nullptr; }

QRect selectionRectangle() { return current ? current->inner : QRect(); }

QImage selectionPicture()
{
    if (!current) return {};
    return current->inner.isEmpty() ? QImage() : current->image.scaled(current->inner.size());
}

void finishSelection()
{
    if (!current) return;
    stamp(*current);
    current.reset();
}

void dropSelection() { current.reset(); }

int selectionHandleAt(tPixel at)
{
    if (!current) return 0;
    const QPoint point = qPoint(at);
    const std::array<QRect, 8> handles = handleSquares(current->inner);
    for (size_t k = 0; k < handles.size(); ++k)
        if (handles[k].adjusted(-1, -1, 1, 1).contains(point)) return static_cast<int>(k) + 1;
    return outerOf(current->inner).contains(point) ? kMoveHandle : 0;
}

bool selectionPress(tgrScreen& screen, int button, tPixel at, int keys)
{
    if (!current || current->screen != &screen) return false;
    const int handle = selectionHandleAt(at);
    if (!handle) return false;
    if (button != 0) return true;
    // With Ctrl the frame leaves a copy of itself behind as it moves.
    if (handle == kMoveHandle && (keys & 1)) stamp(*current);
    current->handle = handle;
    current->pressedAt = qPoint(at);
    current->innerAtPress = current->inner;
    show(*current);
    return true;
}

bool selectionMove(tgrScreen& screen, tPixel at, int buttons)
{
    if (!current || current->screen != &screen || !current->handle) return false;
    if (!(buttons & 1)) return true;
    const QPoint travel = qPoint(at) - current->pressedAt;
    current->inner = resized(current->innerAtPress, current->handle, travel.x(), travel.y());
    show(*current);
    return true;
}

bool selectionRelease(tgrScreen& screen, int button)
{
    if (!current || current->screen != &screen || !current->handle) return false;
    if (button == 0) {
        current->handle = 0;
        show(*current);
    }
    return true;
}

void registerSelectionPrimitives(tLogoTab& table) { registerPrimitives(table, kSelectionRows); }
