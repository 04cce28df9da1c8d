#include "app/tConsoleCommander.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <mutex>

#include "language/windows1252Text.h"
#include "interpreter/ErrorMessages.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

// Text for a stream: converted to UTF-8 when the stream is a terminal.
std::string forStream(std::string text, int descriptor)
{
    return isatty(descriptor) ? utf8FromWindows1252(text) : text;
}

}  // namespace

void tConsoleCommander::ShowError(const std::exception& error)
{
    writeError(ErrorReportText(error));
}

void tConsoleCommander::ShowCaptioned(const std::string& caption, const std::string& text)
{
    writeError(caption + "\n" + text);
}

void tConsoleCommander::writeError(const std::string& report)
{
    errorReported_ = true;
    std::fflush(stdout);
    std::string text = forStream(report + "\n", STDERR_FILENO);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void tConsoleCommander::Print(const std::string& text)
{
    std::string line = forStream(text + "\n", STDOUT_FILENO);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

std::string tConsoleCommander::ReadLine()
{
    // Standard input is one stream: the typed-line runner and a reading dialog of another
    // process take whole lines from it in turn, never interleaved characters.
    static std::mutex reading;
    std::lock_guard<std::mutex> hold(reading);
    bool terminal = isatty(STDIN_FILENO);
    if (terminal) {
        std::fputs("? ", stdout);
        std::fflush(stdout);
    }
    std::string line;
    if (!std::getline(std::cin, line)) throw eTerminateException(0);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return terminal ? windows1252FromUtf8(line) : line;
}
