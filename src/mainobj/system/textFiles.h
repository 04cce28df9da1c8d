#pragma once

#include <string>
#include <string_view>

class tlogoobject;

// Whole-file text reading and writing for the system primitives, failing with Logo errors.

// erFileProblem with the path when the file cannot be read.
std::string readTextFile(const std::string& path);
// Creates the file anew, or appends to it; erFileCreate with the path on failure.
void writeTextFile(const std::string& path, std::string_view text, bool append);
// The clipboard's text; erClipboard when it holds none.
std::string clipboardText();
// The text as a list of one word per line; a carriage return, a line feed or both end a line,
// and a last line end starts no further line.
tlogoobject* textLines(std::string_view text);
