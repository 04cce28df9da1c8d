#pragma once

#include <QApplication>

// One offscreen application for the whole test program, made by the first test that needs it
// and kept until the program ends.
inline QApplication& offscreenApplication()
{
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argumentCount = 1;
        static char name[] = "environment_front_tests";
        static char* arguments[] = {name, nullptr};
        return new QApplication(argumentCount, arguments);
    }();
    return *application;
}
