#pragma once

#include <QLineEdit>

#include "platform/window/commandHistory.h"

// The command area's line: Enter hands the line over (it is kept in the history and the edit
// is emptied), Up and Down walk the history.
class tCommandLine : public QLineEdit {
public:
    explicit tCommandLine(QWidget* parent = nullptr);

    // The line entered; kept in the history and taken out of the edit.
    QString TakeLine();
    const tCommandHistory& History() const { return history_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    tCommandHistory history_;
};
