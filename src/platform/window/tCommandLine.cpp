#include "platform/window/tCommandLine.h"

#include <QKeyEvent>

tCommandLine::tCommandLine(QWidget* parent) : QLineEdit(parent) {}

QString tCommandLine::TakeLine()
{
    QString line = text();
    history_.Add(line);
    clear();
    return line;
}

void tCommandLine::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier) {
        setText(history_.Older(text()));
    } else if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        setText(history_.Newer(text()));
    } else {
        QLineEdit::keyPressEvent(event);
    }
}
