#include "platform/web/textLineEnds.h"

std::string tTextLineEnds::convert(std::string_view block)
{
    std::string out;
    out.reserve(block.size() + block.size() / 16 + 2);
    for (char c : block) {
        if (c == '\n') {
            // The LF of a CR LF was written with its CR.
            if (!mAfterCr)
                out += mLineEnd;
            mAfterCr = false;
        } else if (c == '\r') {
            out += mLineEnd;
            mAfterCr = true;
        } else {
            out += c;
            mAfterCr = false;
        }
    }
    return out;
}
