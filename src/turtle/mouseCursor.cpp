#include "turtle/mouseCursor.h"

#include <array>
#include <mutex>
#include <optional>
#include <string_view>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/tWindowThread.h"
#include "turtle/tTurtleShape.h"
#include "values/eLogoException.h"
#include "values/tNumeric.h"

namespace {

struct tNamedShape {
    int number;
    std::string_view word;
    Qt::CursorShape shape;
};

constexpr std::array<tNamedShape, 23> kShapes{{
    {0, "default", Qt::ArrowCursor},
    {-1, "none", Qt::BlankCursor},
    {-2, "arrow", Qt::ArrowCursor},
    {-3, "cross", Qt::CrossCursor},
    {-4, "ibeam", Qt::IBeamCursor},
    {-5, "size", Qt::SizeAllCursor},
    {-6, "sizenesw", Qt::SizeBDiagCursor},
    {-7, "sizens", Qt::SizeVerCursor},
    {-8, "sizenwse", Qt::SizeFDiagCursor},
    {-9, "sizewe", Qt::SizeHorCursor},
    {-10, "uparrow", Qt::UpArrowCursor},
    {-11, "hourglass", Qt::WaitCursor},
    {-12, "drag", Qt::DragMoveCursor},
    {-13, "nodrop", Qt::ForbiddenCursor},
    {-14, "hsplit", Qt::SplitHCursor},
    {-15, "vsplit", Qt::SplitVCursor},
    {-16, "multidrag", Qt::DragCopyCursor},
    {-17, "wait", Qt::WaitCursor},
    {-18, "no", Qt::ForbiddenCursor},
    {-19, "appstart", Qt::BusyCursor},
    {-20, "help", Qt::WhatsThisCursor},
    {-21, "handpoint", Qt::PointingHandCursor},
    {-22, "sizeall", Qt::SizeAllCursor},
}};

std::mutex cursorLock;
// Made on the first choice: a picture at start-up would load the graphics libraries for it.
std::optional<tMouseCursor> chosen;
tCursorShower shower;

// Opaque pixels become black or white by their brightness; transparent ones stay.
QImage blackAndWhite(const QImage& picture)
{
    QImage plain = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(plain.scanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            const QRgb tone = qGray(row[x]) < 128 ? 0x000000 : 0xFFFFFF;
            row[x] = alpha == 0 ? 0 : (static_cast<QRgb>(alpha) << 24) | tone;
        }
    }
    return plain;
}

// A number (or a word that reads as one) by its number, another word by its name.
const tNamedShape* namedShape(tlogoobject* value)
{
    tNumeric number{};
    if (value->AsOperand(number)) {
        for (const tNamedShape& named : kShapes)
            if (number.isInteger && named.number == number.integer) return &named;
        return nullptr;
    }
    for (const tNamedShape& named : kShapes)
        if (sameWord(value->WordView(), named.word)) return &named;
    return nullptr;
}

tMouseCursor cursorOf(tlogoobject* value)
{
    tMouseCursor cursor;
    if (value->IsNumber() || value->IsWord()) {
        const tNamedShape* named = namedShape(value);
        if (!named) throw eLogoException(erBadValue, value);
        cursor.shape = named->shape;
        return cursor;
    }
    const tTurtleShapeMaker& maker = turtleShapeMaker();
    if (!maker) throw eLogoException(erExpectImage, value);
    const tTurtleShape::tView view = maker(value)->View(0, 0);
    if (view.picture.isNull()) throw eLogoException(erExpectImage, value);
    cursor.picture = systemOptions().colourCursor ? view.picture : blackAndWhite(view.picture);
    cursor.hotX = view.hotX;
    cursor.hotY = view.hotY;
    return cursor;
}

tlogoobject* setmousecursor(tPrimitiveCall& call)
{
    const tMouseCursor cursor = cursorOf(call[0]);
    tCursorShower show;
    {
        std::lock_guard<std::mutex> hold(cursorLock);
        chosen = cursor;
        show = shower;
    }
    if (!show) return nullptr;
    // Posted: the window shows it as soon as it gets to it.
    if (tWindowThread* window = windowThread(); window && !window->IsCurrent())
        window->Post([show, cursor] { show(cursor); });
    else
        show(cursor);
    return nullptr;
}

constexpr tPrimitiveRow kCursorRows[] = {
    {"setmousecursor", 1, kFixedInputs, &setmousecursor},
};

}  // namespace

tMouseCursor mouseCursor()
{
    std::lock_guard<std::mutex> hold(cursorLock);
    return chosen ? *chosen : tMouseCursor{};
}

void setCursorShower(tCursorShower cursorShower)
{
    std::lock_guard<std::mutex> hold(cursorLock);
    shower = std::move(cursorShower);
}

void registerMouseCursorPrimitive(tLogoTab& table) { registerPrimitives(table, kCursorRows); }
