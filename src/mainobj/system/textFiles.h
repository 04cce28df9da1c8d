#pragma once

#include <string>
#include <string_view>

// Whole-file text reading and writing for the system primitives, failing with Logo errors.

// erFileProblem with the path when the file cannot be read.
std::string readTextFile(const std::string& path);
// Creates the file anew, or appends to it; erFileCreate with the path on failure.
void writeTextFile(const std::string& path, std::string_view text, bool append);
// The clipboard's text; erClipboard when it holds none.
std::string clipboardText();
