#include "images/projects/projectInstructions.h"

#include "language/Language.h"
#include "language/TDTables.h"
#include "values/eLogoException.h"

namespace {

constexpr char kLineBreakMarker = char(0xB6);
constexpr char kEndOfText = char(26);

bool endsText(char c) { return c == '\0' || c == kEndOfText; }

std::string trimmed(std::string_view text) { return std::string(trimBlanks(text)); }

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

tDefinitionWords currentDefinitionWords()
{
    // isWord also reads the language-neutral spellings.
    return {[](std::string_view word) { return isWord("other", "to", word); },
            [](std::string_view word) { return isWord("other", "end", word); }, primaryWord("other", "to"),
            primaryWord("other", "end")};
}

tProjectInstructions::tProjectInstructions(std::string_view text, tDefinitionWords words)
    : text(text), words(std::move(words))
{
    while (position < text.size() && (text[position] == '\r' || text[position] == '\n'))
        ++position;
    oneLinePerInstruction = text.substr(position).substr(0, 2) == ";!";
}

bool tProjectInstructions::nextPhysicalLine(std::string& line)
{
    if (position >= text.size() || endsText(text[position]))
        return false;
    line.clear();
    while (position < text.size()) {
        const char c = text[position];
        if (c == '\r' || c == '\n' || endsText(c))
            break;
        if (c == '\t')
            line += ' ';
        else if (uint8_t(c) < 32)
            throw eLogoException(erZembrixProject);
        else
            line += c;
        ++position;
    }
    if (position < text.size() && text[position] == '\r')
        ++position;
    if (position < text.size() && text[position] == '\n')
        ++position;
    return true;
}

bool tProjectInstructions::nextLine(std::string& line)
{
    if (!nextPhysicalLine(line))
        return false;
    std::string more;
    while (endsWith(line, "~")) {
        line.pop_back();
        if (firstLine)
            oneLinePerInstruction = true;
        firstLine = false;
        if (!nextPhysicalLine(more))
            break;
        // A blank keeps the words at the break apart.
        line += ' ';
        line += more;
    }
    firstLine = false;
    return true;
}

bool tProjectInstructions::opensDefinition(std::string_view line, size_t& wordStart, size_t& wordEnd) const
{
    wordStart = line.find_first_not_of(' ');
    if (wordStart == std::string_view::npos)
        return false;
    wordEnd = line.find(' ', wordStart);
    if (wordEnd == std::string_view::npos)
        wordEnd = line.size();
    // "owner'to" defines the procedure in that object; the owner may be a path ("a'b'to").
    const size_t apostrophe = line.substr(wordStart, wordEnd - wordStart).rfind('\'');
    if (apostrophe != std::string_view::npos)
        wordStart += apostrophe + 1;
    return wordStart < wordEnd && words.isTo(line.substr(wordStart, wordEnd - wordStart));
}

void tProjectInstructions::readDefinition(std::string line, size_t wordStart, size_t wordEnd,
                                          std::string& instruction)
{
    definition = true;
    const size_t ownerStart = line.find_first_not_of(' ');
    owner = wordStart > ownerStart ? line.substr(ownerStart, wordStart - 1 - ownerStart) : std::string();
    instruction = trimmed(line.replace(wordStart, wordEnd - wordStart, words.to));
    definitionLines = instruction.substr(owner.empty() ? 0 : owner.size() + 1);
    std::string body;
    while (nextLine(body)) {
        instruction += kLineBreakMarker;
        definitionLines += "\r\n";
        if (words.isEnd(trimBlanks(body))) {
            instruction += words.end;
            definitionLines += words.end;
            return;
        }
        instruction += body;
        definitionLines += body;
    }
}

bool tProjectInstructions::Next(std::string& instruction)
{
    definition = false;
    size_t wordStart = 0;
    size_t wordEnd = 0;
    if (hasHeldLine) {
        hasHeldLine = false;
        opensDefinition(heldLine, wordStart, wordEnd);
        readDefinition(std::move(heldLine), wordStart, wordEnd, instruction);
        return true;
    }
    std::string pending;
    std::string line;
    while (nextLine(line)) {
        const bool empty = trimBlanks(line).empty();
        if (opensDefinition(line, wordStart, wordEnd)) {
            if (pending.empty()) {
                readDefinition(std::move(line), wordStart, wordEnd, instruction);
                return true;
            }
            heldLine = std::move(line);
            hasHeldLine = true;
            break;
        }
        if (oneLinePerInstruction) {
            if (empty)
                continue;
            instruction = trimmed(line);
            return true;
        }
        if (empty) {
            if (pending.empty())
                continue;
            break;
        }
        if (!pending.empty())
            pending += ' ';
        pending += line;
    }
    if (pending.empty())
        return false;
    instruction = trimmed(pending);
    return true;
}

bool skippedInstruction(std::string_view instruction)
{
    return instruction.empty() || instruction.front() == ';' || endsWith(instruction, "'launch [startup]");
}

std::string echoedInstruction(std::string_view instruction)
{
    constexpr size_t kLongest = 160;
    if (instruction.size() <= kLongest)
        return std::string(instruction);
    return std::string(instruction.substr(0, kLongest)) + "...";
}
