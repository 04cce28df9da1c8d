#include "platform/desktop/desktopPrimitives.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <array>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/buttonBar.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/tWindowThread.h"
#include "turtle/labelText.h"
#include "values/eLogoException.h"
#include "values/tLogoInt.h"
#include "values/tlogoobject.h"
#include "values/valuePools.h"

// systemmetrics: sizes of the desktop in pixels. Named: "CXFONT" and "CYFONT", the average
// character width and the line height of the desktop's font; "CYSPEEDBAR", the height of the
// environment's button bar (0 while it shows none). Numbered, in the usual numbering of
// desktop metrics, only those the screens answer: 0 and 1 the primary screen's width and
// height, 16 and 17 its work area's (without task bars), 76 to 79 the left, top, width and
// height of the desktop all screens make up, 80 the number of screens. Other names and numbers
// fail, rather than answer a number that means nothing here.

namespace {

enum tMetric { kFontWidth, kFontHeight, kSpeedBarHeight, kScreenWidth, kScreenHeight, kWorkWidth, kWorkHeight,
               kDesktopLeft, kDesktopTop, kDesktopWidth, kDesktopHeight, kScreenCount, kMetrics };

struct tNamedMetric {
    const char* name;
    tMetric metric;
};

constexpr tNamedMetric kNamedMetrics[] = {
    {"CXFONT", kFontWidth}, {"CYFONT", kFontHeight}, {"CYSPEEDBAR", kSpeedBarHeight}};

struct tNumberedMetric {
    int32_t number;
    tMetric metric;
};

constexpr tNumberedMetric kNumberedMetrics[] = {
    {0, kScreenWidth},   {1, kScreenHeight},  {16, kWorkWidth},      {17, kWorkHeight},
    {76, kDesktopLeft},  {77, kDesktopTop},   {78, kDesktopWidth},   {79, kDesktopHeight},
    {80, kScreenCount}};

// Every metric at once, read on the window thread (the screens are Qt's); a program without a
// Qt application gets one on the offscreen platform first.
std::array<int32_t, kMetrics> measure()
{
    prepareFonts();
    std::array<int32_t, kMetrics> values{};
    values[kSpeedBarHeight] = buttonBarHeight();
    RunOnWindowThread([&values] {
        const QFontMetrics font(QGuiApplication::font());
        values[kFontWidth] = font.averageCharWidth();
        values[kFontHeight] = font.height();
        values[kScreenCount] = static_cast<int32_t>(QGuiApplication::screens().size());
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        values[kScreenWidth] = screen->geometry().width();
        values[kScreenHeight] = screen->geometry().height();
        values[kWorkWidth] = screen->availableGeometry().width();
        values[kWorkHeight] = screen->availableGeometry().height();
        const QRect desktop = screen->virtualGeometry();
        values[kDesktopLeft] = desktop.left();
        values[kDesktopTop] = desktop.top();
        values[kDesktopWidth] = desktop.width();
        values[kDesktopHeight] = desktop.height();
    });
    return values;
}

tMetric metricOf(tlogoobject* input)
{
    if (input->IsNumber()) {
        const long double number = input->AsReal();
        for (const tNumberedMetric& numbered : kNumberedMetrics)
            if (number == numbered.number) return numbered.metric;
    } else if (input->IsWord()) {
        const std::string name = input->PrintText(0);
        for (const tNamedMetric& named : kNamedMetrics)
            if (sameWord(name, named.name)) return named.metric;
    }
    throw eLogoException(erDoesNotLike, input);
}

tlogoobject* systemmetrics(tPrimitiveCall& call)
{
    const tMetric metric = metricOf(call[0]);
    return NewInteger(measure()[metric]);
}

constexpr tPrimitiveRow kScreenMetricsRows[] = {
    {"systemmetrics", 1, kFixedInputs, &systemmetrics},
};

}  // namespace

void registerScreenMetricsPrimitives(tLogoTab& table) { registerPrimitives(table, kScreenMetricsRows); }
