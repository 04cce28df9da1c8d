#pragma once

#include <string>

class tCommander;

// The protocol of typed lines: a line starting with the word for "to" (possibly as
// "object'to", the object named by a path such as "window'page'to") opens a definition that
// collects lines until one holding the word for "end", and is then defined in that object; a
// comment line (starting with ";") does nothing; any other line runs at once. Errors are
// reported through the commander and the next line goes on.
class tCommandLines {
public:
    explicit tCommandLines(tCommander& commander) : commander_(commander) {}

    void Feed(const std::string& line);
    // The end of the text: a definition still open is defined as it stands.
    void Finish();

private:
    void RunLine(const std::string& line);
    // Runs the line; false when it ended early (an error, already reported, or a quiet exit).
    bool RunReporting(const std::string& line);
    void Define();

    tCommander& commander_;
    std::string definition_;
    std::string target_;  // the object named before "to", empty for the main object
    bool collecting_ = false;
};
