#pragma once

// Where the vocabulary layer tells the user about a missing translation or a fatal state.
// Standard error until a window replaces the reporter.

#include <string_view>

using tLanguageReporter = void (*)(std::string_view message);

// Installs `reporter` (nullptr restores standard error); gives back the previous one.
tLanguageReporter setLanguageReporter(tLanguageReporter reporter);
void reportLanguageProblem(std::string_view message);
// Reports and ends the program.
[[noreturn]] void reportFatalLanguageProblem(std::string_view message);
