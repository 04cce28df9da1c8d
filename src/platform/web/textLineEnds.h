#pragma once

#include <string>
#include <string_view>

// Rewrites every line end (CR, LF or CR LF) of a text arriving in blocks as one kind of line
// end, also when a CR LF pair is split between two blocks. A CR is written with its line end
// at once, so a text ending in CR needs nothing more.
class tTextLineEnds {
public:
    // CR LF is how text files are stored; LF is what the transfer library wants for text it
    // sends as FTP ASCII, since it puts a CR before every LF itself.
    explicit tTextLineEnds(std::string_view lineEnd = "\r\n") : mLineEnd(lineEnd) {}

    std::string convert(std::string_view block);

private:
    std::string mLineEnd;
    bool mAfterCr = false;
};
