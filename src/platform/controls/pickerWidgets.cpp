#include "platform/controls/pickerWidgets.h"

#include <QColor>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>

#include <algorithm>
#include <vector>

#include "controls/controlUserActions.h"
#include "mainobj/system/dialogFront.h"
#include "turtle/colours/colourTables.h"
#include "platform/window/windowText.h"

namespace {

using tControl = std::shared_ptr<tLogoControlParams>;

QColor qColour(tColour colour) { return QColor(colour.red, colour.green, colour.blue); }

void showColourButton(QPushButton& button, const tSimpleControlState& state)
{
    const QColor colour = qColour(tColour::FromRgb(state.colour));
    button.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }").arg(colour.name()));
}

// The chooser is the environment's own; without a window there is none and nothing opens.
QWidget* makeColourButton(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::clicked, button, [control, fire, button] {
        std::shared_ptr<tDialogFront> front = dialogFront();
        if (!front) return;
        tColourRequest request;
        request.initial = control->State().colour;
        front->ShowColourChooser(request, [control, fire, shown = QPointer<QPushButton>(button)](tDialogAnswer answer) {
            if (answer.cancelled) return;
            fire(control, reportColour(*control, answer.colour));
            // The user's pick is not told back to the window: the button shows it now.
            if (shown) showColourButton(*shown, control->State());
        });
    });
    return button;
}

// The widths a width switch offers besides its own value.
constexpr int kOfferedWidths[] = {1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20};

QIcon widthSample(int width)
{
    QPixmap sample(48, 24);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    painter.setPen(QPen(Qt::black, std::min(width, 22), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(4, 12, 44, 12);
    return QIcon(sample);
}

void addWidth(QComboBox& box, int width)
{
    int at = 0;
    while (at < box.count() && box.itemData(at).toInt() < width) ++at;
    if (at < box.count() && box.itemData(at).toInt() == width) return;
    box.insertItem(at, widthSample(width), QString::number(width), width);
}

QWidget* makeWidthSwitch(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* box = new QComboBox(parent);
    box->setIconSize(QSize(48, 24));
    for (int width : kOfferedWidths) addWidth(*box, width);
    // "activated" comes from the user only.
    QObject::connect(box, &QComboBox::activated, box, [control, fire, box](int index) {
        fire(control, reportSlide(*control, box->itemData(index).toInt(), true));
    });
    return box;
}

QWidget* makePageSwitch(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* tabs = new QTabBar(parent);
    tabs->setExpanding(false);
    QObject::connect(tabs, &QTabBar::tabBarClicked, tabs, [control, fire, tabs](int index) {
        if (index >= 0) fire(control, reportPage(*control, toLogoText(tabs->tabText(index))));
    });
    return tabs;
}

// The track runs from the darkest shade of the row to the lightest.
void showColourSlider(QSlider& slider, const tSimpleControlState& state)
{
    QStringList stops;
    const tShadeRow& row = kShadeRows[state.shadeRow];
    for (int shade = 0; shade < kShadeCount; ++shade)
        stops << QStringLiteral("stop:%1 %2").arg(double(shade) / (kShadeCount - 1)).arg(qColour(row.shades[shade]).name());
    slider.setOrientation(Qt::Horizontal);
    slider.setStyleSheet(QStringLiteral("QSlider::groove:horizontal { height: 10px; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, %1); }")
                             .arg(stops.join(", ")));
    slider.setRange(1, kShadeCount);
    slider.setValue(state.value);
}

void showWidthSwitch(QComboBox& box, const tSimpleControlState& state)
{
    addWidth(box, state.value);
    box.setCurrentIndex(box.findData(state.value));
}

void showPageSwitch(QTabBar& tabs, const tSimpleControlState& state)
{
    QStringList names;
    for (const std::string& page : state.pages) names << fromLogoText(page);
    QStringList shown;
    for (int tab = 0; tab < tabs.count(); ++tab) shown << tabs.tabText(tab);
    if (shown != names) {
        while (tabs.count() > 0) tabs.removeTab(0);
        for (const QString& name : names) tabs.addTab(name);
    }
    tabs.setCurrentIndex(static_cast<int>(names.indexOf(fromLogoText(state.shownPage))));
}

}  // namespace

QWidget* makePickerWidget(const tControl& control, const tSimpleControlState& state, QWidget* parent, const tFireEvents& fire)
{
    switch (state.kind) {
    case tSimpleControlKind::kColourButton: return makeColourButton(control, parent, fire);
    case tSimpleControlKind::kColourSlider: return makeTrackSlider(control, parent, fire);
    case tSimpleControlKind::kWidthSwitch: return makeWidthSwitch(control, parent, fire);
    case tSimpleControlKind::kMelodyButton: return makePushButton(control, parent, fire);
    case tSimpleControlKind::kPageSwitch: return makePageSwitch(control, parent, fire);
    default: return nullptr;
    }
}

bool showPickerState(QWidget& widget, const tSimpleControlState& state)
{
    switch (state.kind) {
    case tSimpleControlKind::kColourButton: showColourButton(static_cast<QPushButton&>(widget), state); return true;
    case tSimpleControlKind::kColourSlider: showColourSlider(static_cast<QSlider&>(widget), state); return true;
    case tSimpleControlKind::kWidthSwitch: showWidthSwitch(static_cast<QComboBox&>(widget), state); return true;
    case tSimpleControlKind::kMelodyButton:
        static_cast<QPushButton&>(widget).setText(fromLogoText(state.text));
        static_cast<QPushButton&>(widget).setDown(state.down);
        return true;
    case tSimpleControlKind::kPageSwitch: showPageSwitch(static_cast<QTabBar&>(widget), state); return true;
    default: return false;
    }
}
