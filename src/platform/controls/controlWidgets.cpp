#include "platform/controls/controlWidgets.h"

#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <string>

#include "controls/controlUserActions.h"
#include "platform/controls/pickerWidgets.h"
#include "platform/controls/toolWidgets.h"
#include "platform/window/windowText.h"
#include "turtle/labelText.h"

namespace {

// Printed lines end in CR LF; a text area breaks lines at LF alone.
QString shownText(const std::string& text)
{
    QString shown = fromLogoText(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// A text area has no signal for the end of an edit: leaving it ends one.
class tFocusOutWatcher : public QObject {
public:
    tFocusOutWatcher(QObject* parent, std::function<void()> left) : QObject(parent), left_(std::move(left)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) left_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> left_;
};

using tControl = std::shared_ptr<tLogoControlParams>;

QWidget* makeTextBox(const tControl& control, const tSimpleControlState& state, QWidget* parent, const tFireEvents& fire)
{
    if (state.oneLine) {
        auto* field = new QLineEdit(parent);
        QObject::connect(field, &QLineEdit::textEdited, field, [control, fire](const QString& text) {
            fire(control, reportEdit(*control, toLogoText(text), false));
        });
        QObject::connect(field, &QLineEdit::editingFinished, field, [control, fire] {
            fire(control, reportEdit(*control, {}, true));
        });
        return field;
    }
    auto* area = new QPlainTextEdit(parent);
    QObject::connect(area, &QPlainTextEdit::textChanged, area, [control, fire, area] {
        fire(control, reportEdit(*control, toLogoText(area->toPlainText()), false));
    });
    area->installEventFilter(new tFocusOutWatcher(area, [control, fire] { fire(control, reportEdit(*control, {}, true)); }));
    return area;
}

QWidget* makeSwitch(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* box = new QCheckBox(parent);
    // The box turns over on a click; the switch's state turns over with it.
    QObject::connect(box, &QCheckBox::clicked, box, [control, fire] { fire(control, reportPush(*control, true)); });
    return box;
}

QColor qColour(uint32_t rgb) { return QColor::fromRgb(0xFF000000u | rgb); }

// What a program set of a text box's or slider's look; the rest stays the widget's own.
void showLook(QWidget& widget, const tSimpleControlState& state)
{
    if (state.font) widget.setFont(fontOf(*state.font));
    QPalette palette = widget.palette();
    if (state.textColour) palette.setColor(QPalette::Text, qColour(*state.textColour));
    const bool textBox = state.kind == tSimpleControlKind::kTextBox;
    if (state.background) palette.setColor(textBox ? QPalette::Base : QPalette::Window, qColour(*state.background));
    widget.setPalette(palette);
    if (state.kind == tSimpleControlKind::kSlider) widget.setAutoFillBackground(state.background && !state.transparent);
}

}  // namespace

QWidget* makePushButton(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::pressed, button, [control, fire] { fire(control, reportPush(*control, true)); });
    QObject::connect(button, &QPushButton::released, button, [control, fire] { fire(control, reportPush(*control, false)); });
    return button;
}

QWidget* makeTrackSlider(const tControl& control, QWidget* parent, const tFireEvents& fire)
{
    auto* slider = new QSlider(parent);
    QObject::connect(slider, &QSlider::valueChanged, slider, [control, fire, slider](int value) {
        // Keys and clicks on the track move it in one step: that change is done at once.
        fire(control, reportSlide(*control, value, !slider->isSliderDown()));
    });
    QObject::connect(slider, &QSlider::sliderReleased, slider, [control, fire, slider] {
        fire(control, reportSlide(*control, slider->value(), true));
    });
    return slider;
}

bool widgetFits(const tSimpleControlState& made, const tSimpleControlState& now)
{
    return made.kind == now.kind && (made.kind != tSimpleControlKind::kTextBox || made.oneLine == now.oneLine);
}

QWidget* makeControlWidget(const std::shared_ptr<tLogoControlParams>& control, const tSimpleControlState& state,
                           QWidget* parent, tFireEvents fire)
{
    switch (state.kind) {
    case tSimpleControlKind::kTextBox: return makeTextBox(control, state, parent, fire);
    case tSimpleControlKind::kButton: return makePushButton(control, parent, fire);
    case tSimpleControlKind::kSwitch: return makeSwitch(control, parent, fire);
    case tSimpleControlKind::kSlider: return makeTrackSlider(control, parent, fire);
    case tSimpleControlKind::kToolButton: return makeToolButtonWidget(control, parent);
    case tSimpleControlKind::kSeparator: return makeSeparatorWidget(parent);
    case tSimpleControlKind::kColourButton:
    case tSimpleControlKind::kColourSlider:
    case tSimpleControlKind::kWidthSwitch:
    case tSimpleControlKind::kMelodyButton:
    case tSimpleControlKind::kPageSwitch: return makePickerWidget(control, state, parent, fire);
    }
    return nullptr;
}

void showControlState(QWidget& widget, const tSimpleControlState& state)
{
    const QSignalBlocker quiet(&widget);
    widget.setEnabled(state.enabled);
    widget.setToolTip(fromLogoText(state.hint));
    if (showToolButtonState(widget, state) || showPickerState(widget, state)) return;
    showLook(widget, state);
    if (auto* field = qobject_cast<QLineEdit*>(&widget)) {
        const QString text = shownText(state.text);
        if (field->text() != text) field->setText(text);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(&widget)) {
        // Setting the same text again would move the cursor of someone typing.
        const QString text = shownText(state.text);
        if (area->toPlainText() != text) area->setPlainText(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
        box->setText(fromLogoText(state.text));
        box->setChecked(state.down);
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setText(fromLogoText(state.text));
        button->setIcon(state.picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(state.picture)));
        button->setIconSize(state.picture.size());
        button->setCheckable(state.latching);
        if (state.latching)
            button->setChecked(state.down);
        else
            button->setDown(state.down);
    } else if (auto* slider = qobject_cast<QSlider*>(&widget)) {
        slider->setOrientation(state.vertical ? Qt::Vertical : Qt::Horizontal);
        slider->setRange(state.minimum, state.maximum);
        slider->setValue(state.value);
    }
}
