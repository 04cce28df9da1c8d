#include "app/tConsoleCommander.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "interpreter/ErrorMessages.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

// The report of a Logo error: where it happened when it happened inside something, then its
// message with its parts on separate lines.
std::string errorText(const std::exception& error)
{
    auto* logoError = dynamic_cast<const eLogoException*>(&error);
    if (!logoError) return error.what();
    eLogoException copy = *logoError;
    std::string text = MessageWithBreak(copy, "\n");
    if (copy.contextKind != ipNone) text = ContextCaption(copy, "") + "\n" + text;
    return text;
}

}  // namespace

void tConsoleCommander::ShowError(const std::exception& error)
{
    errorReported_ = true;
    std::fflush(stdout);
    std::string text = errorText(error) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void tConsoleCommander::Print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string tConsoleCommander::ReadLine()
{
    if (isatty(STDIN_FILENO)) {
        std::fputs("? ", stdout);
        std::fflush(stdout);
    }
    std::string line;
    if (!std::getline(std::cin, line)) throw eTerminateException(0);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}
