#pragma once

#include <QApplication>

// The one offscreen application of the window-piece tests: widgets need one, and so do Qt's
// input devices, which key events look up (made without one, Qt never frees them). It lives
// until the test program ends.
inline QApplication& pieceApplication()
{
    static QApplication* made = [] {
        static char name[] = "window_piece_tests";
        static char* arguments[] = {name, nullptr};
        static int argumentCount = 1;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argumentCount, arguments);
    }();
    return *made;
}
