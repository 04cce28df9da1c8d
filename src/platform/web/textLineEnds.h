#pragma once

#include <string>
#include <string_view>

// Rewrites every line end (CR, LF or CR LF) of a text arriving in blocks as CR LF, also when a
// CR LF pair is split between two blocks. A CR is written with its LF at once, so a text
// ending in CR needs nothing more.
class tTextLineEnds {
public:
    std::string convert(std::string_view block);

private:
    bool mAfterCr = false;
};
