#pragma once

#include <cstddef>
#include <string>

// What "readlist", "readword", "readchar" and "eof?" read: a file's bytes or a copy of the
// clipboard's text, taken whole when "readfrom" selects it.
class tTextInput {
public:
    explicit tTextInput(std::string content) : content_(std::move(content)) {}
    // Fails erFileProblem with the name when the file cannot be read.
    static tTextInput FromFile(const std::string& path);

    // One line without its end and without leading and trailing blanks and control
    // characters; empty at the end. A carriage return (with a following line feed) or a lone
    // line feed ends a line, so files written on any system read alike.
    std::string ReadLine();
    // The next byte as a one-character text; empty at the end.
    std::string ReadChar();
    bool AtEnd() const { return position_ >= content_.size(); }

private:
    std::string content_;
    size_t position_ = 0;
};
