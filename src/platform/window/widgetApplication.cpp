#include "platform/window/widgetApplication.h"

#include <QApplication>

std::unique_ptr<QApplication> makeWidgetApplication(int& argc, char** argv)
{
    return std::make_unique<QApplication>(argc, argv);
}
