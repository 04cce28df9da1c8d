#include "platform/guiApplication.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's own notes (a missing runtime folder, font fallbacks) are no output of the program, whose
// standard error carries Logo errors; only Qt's failures are passed on.
void keepQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

std::unique_ptr<QGuiApplication> makeGuiApplication(int& argc, char** argv, bool offscreen)
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool noDisplay = (!display || !*display) && (!wayland || !*wayland);
    if (offscreen || noDisplay) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&keepQtFailures);
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}
