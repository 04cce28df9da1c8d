#pragma once

// The name-code table: every name the interpreter meets is interned once as a positive code.
// `tcodetab` finds records by text under the language's comparison (text to code) through a
// hash of each text's comparison key, `tstringtab` by code (code to text). Not locked itself;
// NameCodes.cpp guards the current one.

#include "language/Language.h"
#include "language/WordComparison.h"

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct tcoderec {
    NameCode code;
    std::string text;
};

class tcodetab {
public:
    explicit tcodetab(tComparisonMode mode) : mode(mode) {}

    const tcoderec* Find(std::string_view text) const;
    // Inserts a record with the next code; the text must not be present yet.
    const tcoderec& Add(std::string_view text);
    NameCode HighestCode() const { return static_cast<NameCode>(records.size()); }
    tComparisonMode Mode() const { return mode; }

private:
    friend class tstringtab;
    tComparisonMode mode;
    // The text as the comparison sees it: two texts compare equal exactly when their keys do.
    std::string KeyOf(std::string_view text) const;

    std::deque<tcoderec> records;  // in code order; a deque keeps addresses stable
    std::unordered_map<std::string, const tcoderec*> byKey;
};

// Codes are handed out densely from 1, so the records in code order are the code-sorted table.
class tstringtab {
public:
    explicit tstringtab(const tcodetab& codes) : codes(codes) {}
    const tcoderec* Find(NameCode code) const;

private:
    const tcodetab& codes;
};
