#include "platform/desktop/tDesktopLauncher.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/desktop/desktopText.h"
#include "processes/tWindowThread.h"

namespace {

std::shared_ptr<tDesktopLauncher>& installed()
{
    static std::shared_ptr<tDesktopLauncher> launcher = std::make_shared<tQtDesktopLauncher>();
    return launcher;
}

}  // namespace

bool tQtDesktopLauncher::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                      const std::string& folder)
{
    QStringList list;
    for (const std::string& argument : arguments) list << unicodeFromWord(argument);
    // Detached: the program outlives the call and is not a child whose end anyone waits for.
    return QProcess::startDetached(unicodeFromWord(program), list, unicodeFromWord(folder));
}

bool tQtDesktopLauncher::OpenAddress(const std::string& address)
{
    const QUrl url(unicodeFromWord(address));
    if (!url.isValid()) return false;
    // The desktop's services need the Qt application; a console without one asks the desktop's
    // opener directly.
    if (!QGuiApplication::instance()) return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()});
    bool opened = false;
    RunOnWindowThread([&] { opened = QDesktopServices::openUrl(url); });
    return opened;
}

void installDesktopLauncher(std::shared_ptr<tDesktopLauncher> launcher) { installed() = std::move(launcher); }

tDesktopLauncher& desktopLauncher() { return *installed(); }
