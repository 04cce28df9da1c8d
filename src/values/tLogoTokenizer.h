#pragma once

#include <string>
#include <string_view>

// Splits Logo source text into tokens. Text is 8-bit; a NUL ends it, line feeds are skipped,
// other control characters count as blanks, and the pilcrow stands for a line break inside a
// word. The token text of a word keeps its leading double quote.
class tLogoTokenizer {
public:
    enum Kind { kEnd, kLineBreak, kOpen, kClose, kWord, kNumber };

    explicit tLogoTokenizer(std::string_view text);

    Kind Next();
    Kind kind() const { return current; }
    const std::string& text() const { return token; }
    int line() const { return lineCount; }   // line breaks seen so far, from 0

    static bool IsDelimiter(int c);          // a character that ends a plain word; -1 is the end

private:
    enum WordState { kPlain, kQuoted, kEscape, kBar };

    int peek();                              // the next character after mapping, -1 at the end
    int take();
    void skipBlanks();
    void readWord(WordState state);
    bool readNumberCandidate();              // false: the token goes on as a plain word
    void readEscape();
    void appendChar(int c);

    std::string_view source;
    size_t pos = 0;
    std::string token;
    Kind current = kEnd;
    int lineCount = 0;
    bool afterSeparator = true;
};
