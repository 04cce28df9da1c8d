#include "language/LanguageReporter.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

void writeToStandardError(std::string_view message)
{
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
}

std::atomic<tLanguageReporter> currentReporter{writeToStandardError};

}

tLanguageReporter setLanguageReporter(tLanguageReporter reporter)
{
    return currentReporter.exchange(reporter ? reporter : writeToStandardError);
}

void reportLanguageProblem(std::string_view message)
{
    currentReporter.load()(message);
}

void reportFatalLanguageProblem(std::string_view message)
{
    reportLanguageProblem(message);
    std::_Exit(EXIT_FAILURE);
}
