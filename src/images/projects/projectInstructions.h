#pragma once

#include <functional>
#include <string>
#include <string_view>

// The loader's line discipline: a project text is cut into the instructions that are run one
// by one. Text saved by the writer separates instructions by empty lines and joins the lines of
// one instruction with a blank; a text starting with ";!" has one instruction per line. In both
// modes a line ending in "~" goes on on the next line, and a procedure definition (from a `to`
// line to an `end` line) is one instruction whose lines are kept apart by the line-break marker.

// How definitions are recognised: whether a word opens or closes one, and the words put in
// their place.
struct tDefinitionWords {
    std::function<bool(std::string_view)> isTo;
    std::function<bool(std::string_view)> isEnd;
    std::string to;
    std::string end;
};

// The current language's synonyms of "to" and "end" (section "other") and their
// language-neutral spellings, replaced by the primary words.
tDefinitionWords currentDefinitionWords();

class tProjectInstructions {
public:
    // The text ends at its end, at a NUL or at byte 26.
    tProjectInstructions(std::string_view text, tDefinitionWords words);

    // The next non-empty instruction, trimmed; false when the text is used up. A control
    // character other than TAB, CR and LF raises erZembrixProject when its line is reached, so
    // the instructions before it have run.
    bool Next(std::string& instruction);

    bool lineMode() const { return oneLinePerInstruction; }
    // Whether the last instruction is a definition; then its owner's name ("" for none) and
    // its text with CR LF between the lines, as procedures are defined from.
    bool isDefinition() const { return definition; }
    const std::string& definitionOwner() const { return owner; }
    const std::string& definitionText() const { return definitionLines; }

private:
    // The next logical line ("~" continuations joined), TAB as blank; false at the end.
    bool nextLine(std::string& line);
    bool nextPhysicalLine(std::string& line);
    bool opensDefinition(std::string_view line, size_t& wordStart, size_t& wordEnd) const;
    void readDefinition(std::string line, size_t wordStart, size_t wordEnd, std::string& instruction);

    std::string_view text;
    size_t position = 0;
    tDefinitionWords words;
    bool oneLinePerInstruction = false;
    bool firstLine = true;
    bool hasHeldLine = false;
    std::string heldLine;  // a definition's first line that ended the instruction before it
    bool definition = false;
    std::string owner;
    std::string definitionLines;
};

// Instructions the loader does not run: empty ones, comments, and the start-up launch that a
// saved start-up project carries.
bool skippedInstruction(std::string_view instruction);

// An instruction as the verbose load echoes it: at most 160 characters, then "...".
std::string echoedInstruction(std::string_view instruction);
