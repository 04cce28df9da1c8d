#include "turtle/paintTools.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/tLogoprocess.h"
#include "turtle/penDrawing.h"
#include "turtle/pointerState.h"
#include "turtle/randomDots.h"
#include "turtle/surfaceOverlay.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

constexpr uint32_t kPollMilliseconds = 20;
constexpr std::chrono::milliseconds kSprayInterval{55};

// The tool a command waits on. Changed under the interpreter lock (the waiting command takes it
// back between its polls) and, so that the window may ask for the mode, under `toolsLock`.
struct tPaintTool {
    tPaintMode mode = tPaintMode::kNone;
    uint64_t ticket = 0;  // the command the tool belongs to; a later command takes it over
    tPixel toolStart;
    tPixel toolEnd;
    std::vector<tPixel> freehandPoints;
    bool cancelled = false;
    bool pressed = false;  // the left button went down since the command began
    bool sprayed = false;  // the spray put dots down since the button went down
    std::unique_ptr<tSurfaceOverlay> band;
};

std::mutex toolsLock;
std::map<tgrScreen*, tPaintTool> tools;
uint64_t lastTicket = 0;

tPaintTool* activeTool(tgrScreen& screen)
{
    auto found = tools.find(&screen);
    return found != tools.end() && found->second.mode != tPaintMode::kNone ? &found->second : nullptr;
}

tPixel pointerPixel(const tgrScreen& screen)
{
    const tRealPoint at = pointerOnSurface(screen);
    return {roundPixel(at.x), roundPixel(at.y)};
}

QPoint qPoint(tPixel pixel) { return {static_cast<int>(pixel.x), static_cast<int>(pixel.y)}; }

// The shape from start to end as the finished drawing will be, drawn only over the window.
void showBand(tgrScreen& screen, tPaintTool& tool)
{
    // The spray draws straight into the picture.
    if (tool.mode == tPaintMode::kSpray) return;
    std::vector<tPixel> points = tool.mode == tPaintMode::kFreehand ? tool.freehandPoints
                                                                    : std::vector<tPixel>{tool.toolStart, tool.toolEnd};
    QRect box(qPoint(points.front()), QSize(1, 1));
    for (tPixel point : points) box |= QRect(qPoint(point), QSize(1, 1));
    QImage band(box.size(), QImage::Format_ARGB32_Premultiplied);
    band.fill(Qt::transparent);
    {
        QPainter painter(&band);
        painter.translate(-box.topLeft());
        painter.setPen(QColor::fromRgb(0xFF000000u | screen.lineColour));
        const QRect shape = QRect(qPoint(tool.toolStart), qPoint(tool.toolEnd)).normalized();
        switch (tool.mode) {
        case tPaintMode::kFreehand:
            for (size_t k = 1; k < points.size(); ++k) painter.drawLine(qPoint(points[k - 1]), qPoint(points[k]));
            if (points.size() == 1) painter.drawPoint(qPoint(points.front()));
            break;
        case tPaintMode::kLine: painter.drawLine(qPoint(tool.toolStart), qPoint(tool.toolEnd)); break;
        case tPaintMode::kFilledRectangle:
        case tPaintMode::kRectangle: painter.drawRect(shape.adjusted(0, 0, -1, -1)); break;
        default: painter.drawEllipse(shape.adjusted(0, 0, -1, -1)); break;
        }
    }
    if (!tool.band) tool.band = std::make_unique<tSurfaceOverlay>(screen);
    tool.band->Show(band, box.topLeft());
}

// One puff of the spray: for the line width w, w * w dots up to a width of 2, else w * w / 4,
// within w pixels of the pointer, each a single pixel of the line colour.
void spray(tgrScreen& screen, tPixel at)
{
    const int32_t width = std::max(screen.lineWidth, 0);
    const int32_t count = width <= 2 ? width * width : width * width / 4;
    const std::vector<tPixel> dots = randomDotsAround(at, count, width);
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    for (tPixel dot : dots) drawDisc(screen.picture, dot, 1, screen.lineColour, nullptr);
}

void endTool(tPaintTool& tool)
{
    tool.mode = tPaintMode::kNone;
    tool.band.reset();
}

// Sets the mode and waits until the mouse ends it; the tool as it ended. A stop ends the wait
// (and the command) and leaves no mode behind. False when nothing can be dragged: without a
// window, or outside a process.
bool runTool(tgrScreen& screen, tPaintMode mode, tPaintTool& result)
{
    tLogoprocess* process = tLogoprocess::Current();
    if (!process || !pointerHasWindow()) return false;
    const uint64_t ticket = ++lastTicket;
    {
        std::lock_guard<std::mutex> hold(toolsLock);
        tPaintTool& tool = tools[&screen];
        endTool(tool);
        tool.mode = mode;
        tool.ticket = ticket;
        tool.toolStart = tool.toolEnd = pointerPixel(screen);
        tool.freehandPoints.clear();
        tool.cancelled = false;
        tool.pressed = false;
    }
    struct tRelease {
        tgrScreen* screen;
        uint64_t ticket;
        ~tRelease()
        {
            std::lock_guard<std::mutex> hold(toolsLock);
            auto found = tools.find(screen);
            if (found != tools.end() && found->second.ticket == ticket) tools.erase(found);
        }
    } release{&screen, ticket};
    auto nextSpray = std::chrono::steady_clock::now();
    for (;;) {
        std::optional<tPixel> sprayAt;
        {
            std::lock_guard<std::mutex> hold(toolsLock);
            auto found = tools.find(&screen);
            if (found == tools.end() || found->second.ticket != ticket) return false;  // taken over
            tPaintTool& tool = found->second;
            if (tool.mode == tPaintMode::kNone) break;
            const auto now = std::chrono::steady_clock::now();
            if (tool.mode == tPaintMode::kSpray && tool.pressed && now >= nextSpray) {
                sprayAt = tool.toolEnd;
                tool.sprayed = true;
                nextSpray = now + kSprayInterval;
            }
        }
        if (sprayAt) spray(screen, *sprayAt);
        process->WaitOnStop(kPollMilliseconds);
    }
    std::lock_guard<std::mutex> hold(toolsLock);
    tPaintTool& ended = tools[&screen];
    result.toolStart = ended.toolStart;
    result.toolEnd = ended.toolEnd;
    result.freehandPoints = ended.freehandPoints;
    result.cancelled = ended.cancelled;
    result.pressed = ended.pressed;
    result.sprayed = ended.sprayed;
    return true;
}

tLogoList* pointList(tPixel point)
{
    return newPointList(static_cast<long double>(point.x), static_cast<long double>(point.y));
}

tlogoobject* flexible(tPaintMode mode)
{
    tgrScreen& screen = currentScreen();
    tPaintTool tool;
    tListBuilder answer;
    if (!runTool(screen, mode, tool) || tool.cancelled || tool.toolStart == tool.toolEnd) return answer.Take();
    if (mode == tPaintMode::kRectangle || mode == tPaintMode::kFilledRectangle) {
        answer.Append(NewInteger(static_cast<int32_t>(std::min(tool.toolStart.x, tool.toolEnd.x))));
        answer.Append(NewInteger(static_cast<int32_t>(std::min(tool.toolStart.y, tool.toolEnd.y))));
        answer.Append(NewInteger(static_cast<int32_t>(std::llabs(tool.toolEnd.x - tool.toolStart.x))));
        answer.Append(NewInteger(static_cast<int32_t>(std::llabs(tool.toolEnd.y - tool.toolStart.y))));
    } else {
        answer.Append(pointList(tool.toolStart));
        answer.Append(pointList(tool.toolEnd));
    }
    return answer.Take();
}

tlogoobject* bgflexibleline(tPrimitiveCall&) { return flexible(tPaintMode::kLine); }
tlogoobject* bgflexiblerectangle(tPrimitiveCall&) { return flexible(tPaintMode::kRectangle); }
tlogoobject* bgflexiblefilledrectangle(tPrimitiveCall&) { return flexible(tPaintMode::kFilledRectangle); }
tlogoobject* bgflexibleellipse(tPrimitiveCall&) { return flexible(tPaintMode::kEllipse); }
tlogoobject* bgflexiblefilledellipse(tPrimitiveCall&) { return flexible(tPaintMode::kFilledEllipse); }

// The points the mouse went through, drawn into the picture as one chain with the line
// settings once the button is released.
tlogoobject* bgfreehand(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    tPaintTool tool;
    if (!runTool(screen, tPaintMode::kFreehand, tool) || tool.cancelled || tool.freehandPoints.empty()) return nullptr;
    const tPen pen{screen.lineColour, screen.lineWidth, screen.linePattern};
    const std::vector<tPixel>& points = tool.freehandPoints;
    auto real = [](tPixel p) { return tRealPoint{static_cast<long double>(p.x), static_cast<long double>(p.y)}; };
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    if (points.size() == 1) drawPenSegment(screen, real(points[0]), real(points[0]), pen, tPenState::kDown, nullptr);
    for (size_t k = 1; k < points.size(); ++k)
        drawPenSegment(screen, real(points[k - 1]), real(points[k]), pen, tPenState::kDown, nullptr);
    return nullptr;
}

// Dots around the pointer while the left button is held, one puff at least for a click.
tlogoobject* bgspray(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    tPaintTool tool;
    if (runTool(screen, tPaintMode::kSpray, tool) && tool.pressed && !tool.sprayed && !tool.cancelled)
        spray(screen, tool.toolEnd);
    return nullptr;
}

constexpr tPrimitiveRow kPaintToolRows[] = {
    {"bgflexibleline", 0, kFixedInputs, &bgflexibleline},
    {"bgflexiblerectangle", 0, kFixedInputs, &bgflexiblerectangle},
    {"bgflexiblefilledrectangle", 0, kFixedInputs, &bgflexiblefilledrectangle},
    {"bgflexibleellipse", 0, kFixedInputs, &bgflexibleellipse},
    {"bgflexiblefilledellipse", 0, kFixedInputs, &bgflexiblefilledellipse},
    {"bgfreehand", 0, kFixedInputs, &bgfreehand},
    {"bgspray", 0, kFixedInputs, &bgspray},
};

// The end of the drag as the tool takes it.
tPixel toolEndAt(const tPaintTool& tool, tPixel at, int keys)
{
    const bool shift = (keys & 2) != 0;
    return shift ? shiftedToolEnd(tool.mode, tool.toolStart, at) : at;
}

}  // namespace

tPixel shiftedToolEnd(tPaintMode mode, tPixel start, tPixel end)
{
    const int64_t dx = end.x - start.x, dy = end.y - start.y;
    auto sign = [](int64_t v) { return v < 0 ? -1 : 1; };
    if (mode == tPaintMode::kLine) {
        const long double angle = std::atan2(static_cast<long double>(std::llabs(dy)), static_cast<long double>(std::llabs(dx)));
        if (angle <= 0.39269908L) return {end.x, start.y};
        if (angle > 1.17809725L) return {start.x, end.y};
        const long double length = std::sqrt(static_cast<long double>(dx * dx + dy * dy) / 2);
        const int64_t side = std::llround(length);
        return {start.x + sign(dx) * side, start.y + sign(dy) * side};
    }
    if (mode == tPaintMode::kFreehand || mode == tPaintMode::kSpray) return end;
    const int64_t side = std::min(std::llabs(dx), std::llabs(dy));
    return {start.x + sign(dx) * side, start.y + sign(dy) * side};
}

tPaintMode paintModeOf(tgrScreen& screen)
{
    std::lock_guard<std::mutex> hold(toolsLock);
    const tPaintTool* tool = activeTool(screen);
    return tool ? tool->mode : tPaintMode::kNone;
}

bool paintToolPress(tgrScreen& screen, int button, tPixel at, int)
{
    std::lock_guard<std::mutex> hold(toolsLock);
    tPaintTool* tool = activeTool(screen);
    if (!tool) return false;
    if (button == 1) {
        // The right button cancels: the drag ends where it began.
        tool->toolEnd = tool->toolStart;
        tool->cancelled = true;
        endTool(*tool);
    } else if (button == 0) {
        // The drag begins where the button goes down.
        tool->toolStart = tool->toolEnd = at;
        tool->freehandPoints = {at};
        tool->pressed = true;
        showBand(screen, *tool);
    }
    return true;
}

bool paintToolMove(tgrScreen& screen, tPixel at, int buttons, int keys)
{
    std::lock_guard<std::mutex> hold(toolsLock);
    tPaintTool* tool = activeTool(screen);
    if (!tool) return false;
    if (!(buttons & 1) || !tool->pressed) return true;
    tool->toolEnd = toolEndAt(*tool, at, keys);
    if (tool->mode == tPaintMode::kFreehand) tool->freehandPoints.push_back(at);
    showBand(screen, *tool);
    return true;
}

bool paintToolRelease(tgrScreen& screen, int button, tPixel at, int keys)
{
    std::lock_guard<std::mutex> hold(toolsLock);
    tPaintTool* tool = activeTool(screen);
    if (!tool) return false;
    if (button != 0 || !tool->pressed) return true;
    tool->toolEnd = toolEndAt(*tool, at, keys);
    if (tool->mode == tPaintMode::kFreehand && !(tool->freehandPoints.back() == at)) tool->freehandPoints.push_back(at);
    endTool(*tool);
    return true;
}

void registerPaintToolPrimitives(tLogoTab& table) { registerPrimitives(table, kPaintToolRows); }
