#include "values/LogoReader.h"

#include <string>
#include <vector>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/numberText.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/tLogoTokenizer.h"

namespace {

constexpr unsigned char kMiddleDot = 183;

// Words keep their text as read (a neutral name is resolved when it is interned); only the
// boolean test looks through a neutral name, and a boolean keeps the resolved text.
tlogoobject* wordElement(const std::string& text)
{
    const bool neutral = text.size() > 1 && static_cast<unsigned char>(text[0]) == kMiddleDot;
    const std::string resolved = neutral ? resolveNeutralName(text) : text;
    if (isTrueWord(resolved))
        return new tLogoBool(true, text);
    if (isFalseWord(resolved))
        return new tLogoBool(false, text);
    return new tLogoString(text);
}

tlogoobject* numberElement(const std::string& text)
{
    int32_t integer;
    if (parseLogoInteger(text, integer))
        return new tLogoInt(integer, text);
    long double real;
    if (parseLogoReal(text, real))
        return new tLogoReal(real, text);
    return new tLogoString(text);
}

// One builder per open list; the outermost is the text itself. Kept in a vector rather than
// on the call stack so that deeply nested text cannot overflow it.
tLogoList* readText(std::string_view text, bool closeOpenLists)
{
    tLogoTokenizer tokens(text);
    std::vector<tListBuilder> levels(1);
    for (;;) {
        switch (tokens.Next()) {
        case tLogoTokenizer::kEnd:
            if (levels.size() > 1 && !closeOpenLists)
                throw eLogoException(erMissingRBracket);
            while (levels.size() > 1) {
                tLogoRef<tLogoList> inner(levels.back().Take());
                levels.pop_back();
                levels.back().Append(inner.get());
            }
            return levels.back().Take();
        case tLogoTokenizer::kLineBreak:
            break;
        case tLogoTokenizer::kOpen:
            levels.emplace_back();
            break;
        case tLogoTokenizer::kClose: {
            if (levels.size() == 1)
                throw eLogoException(erExtraRBracket);
            tLogoRef<tLogoList> inner(levels.back().Take());
            levels.pop_back();
            levels.back().Append(inner.get());
            break;
        }
        case tLogoTokenizer::kWord:
            levels.back().Append(wordElement(tokens.text()));
            break;
        case tLogoTokenizer::kNumber:
            levels.back().Append(numberElement(tokens.text()));
            break;
        }
    }
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lines end at CR LF, or at a lone LF (which the reader would otherwise skip, joining lines).
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            continue;
        const size_t end = i > start && text[i - 1] == '\r' ? i - 1 : i;
        lines.push_back(text.substr(start, end - start));
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

tLogoList* ListFromText(std::string_view text, bool byLines, bool closeOpenLists)
{
    if (!byLines)
        return readText(text, closeOpenLists);
    std::string withEnd(trimmed(text));
    withEnd += "\r\n";
    tListBuilder lines;
    for (std::string_view line : linesOf(withEnd)) {
        tLogoRef<tLogoList> read(readText(line, closeOpenLists));
        lines.Append(read.get());
    }
    return lines.Take();
}

int LineOfToken(std::string_view text, int count)
{
    tLogoTokenizer tokens(text);
    int seen = 0;
    while (tokens.Next() != tLogoTokenizer::kEnd) {
        const tLogoTokenizer::Kind kind = tokens.kind();
        if (kind == tLogoTokenizer::kWord || kind == tLogoTokenizer::kNumber || kind == tLogoTokenizer::kOpen)
            if (++seen == count)
                return tokens.line() + 1;
    }
    return tokens.line() + 1;
}
