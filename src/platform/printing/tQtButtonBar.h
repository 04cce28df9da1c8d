#pragma once

#include <QPointer>
#include <QToolBar>

#include <functional>
#include <string>

#include "mainobj/system/buttonBar.h"

class QWidget;

// The main window's button bar: a tool bar at the top of the window's layout, below its menu
// bar. A button types its instructions as a line of the command area.
class tQtButtonBarFront : public tButtonBarFront {
public:
    using tTypeLine = std::function<void(std::string line)>;

    tQtButtonBarFront(QWidget* window, tTypeLine typeLine);

    void Show(const tButtonBarState& state) override;
    QToolBar* Bar() const { return bar_; }

private:
    QPointer<QToolBar> bar_;
    tTypeLine typeLine_;
};
