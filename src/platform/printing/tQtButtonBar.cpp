#include "platform/printing/tQtButtonBar.h"

#include <QAction>
#include <QBoxLayout>
#include <QWidget>

#include "platform/window/windowText.h"

tQtButtonBarFront::tQtButtonBarFront(QWidget* window, tTypeLine typeLine)
    : bar_(new QToolBar(window)), typeLine_(std::move(typeLine))
{
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->hide();
    if (auto* column = qobject_cast<QBoxLayout*>(window->layout())) column->insertWidget(0, bar_);
}

void tQtButtonBarFront::Show(const tButtonBarState& state)
{
    if (!bar_) return;
    bar_->clear();
    for (const tBarButton& button : state.buttons) {
        QAction* action = bar_->addAction(fromLogoText(button.caption));
        QObject::connect(action, &QAction::triggered, bar_, [this, line = button.instructions] { typeLine_(line); });
        QWidget* shown = bar_->widgetForAction(action);
        shown->setMinimumSize(state.size, state.size);
        // A tool button takes its caption as its bubble unless it is given another text.
        shown->setToolTip(state.bubbles ? fromLogoText(button.help) : QString());
    }
    bar_->setVisible(state.shown);
    setButtonBarHeight(state.shown ? bar_->sizeHint().height() : 0);
}
