#include <algorithm>
#include <cstdint>
#include <string>

#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/strictOption.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/tLogoWord.h"
#include "values/upperCaseText.h"
#include "values/valuePools.h"
#include "values/wordPieces.h"

// The list-and-word primitives on the text of a word, number or boolean. Positions are 1-based.

namespace {

// A stretch of characters: [from count] of "item", "butitem" and "replace".
struct tSpan {
    int64_t from;
    int64_t count;
};

// Reads [from count]; false when the list does not have exactly two elements.
bool readSpan(tLogoList& list, tSpan& span)
{
    tlogoobject* from = list.first;
    tlogoobject* count = list.rest ? list.rest->first : nullptr;
    if (!from || !count || (list.rest->rest && list.rest->rest->first)) return false;
    span = {from->AsInteger(), count->AsInteger()};
    return true;
}

// A span from a position at or before 1 keeps only its part from position 1 on.
tSpan fromFirstPosition(tSpan span)
{
    if (span.from <= 0) span = {1, span.count + span.from - 1};
    return span;
}

std::string_view cut(std::string_view text, tSpan span)
{
    span = fromFirstPosition(span);
    const int64_t length = static_cast<int64_t>(text.size());
    if (span.count <= 0 || span.from > length) return {};
    return text.substr(static_cast<size_t>(span.from - 1), static_cast<size_t>(std::min(span.count, length - span.from + 1)));
}

std::string without(std::string_view text, tSpan span)
{
    const int64_t length = static_cast<int64_t>(text.size());
    if (span.count <= 0 || span.from > length || span.from < 1) return std::string(text);
    std::string rest(text);
    rest.erase(static_cast<size_t>(span.from - 1), static_cast<size_t>(std::min(span.count, length - span.from + 1)));
    return rest;
}

std::string_view characterAt(std::string_view text, int64_t position)
{
    if (position < 1 || position > static_cast<int64_t>(text.size())) return {};
    return text.substr(static_cast<size_t>(position - 1), 1);
}

tLogoList* asList(tlogoobject* value) { return value->IsList() ? static_cast<tLogoList*>(value) : nullptr; }

// Position of the first case-blind occurrence of part in text, or npos.
size_t findPart(std::string_view text, tlogoobject* part, size_t from = 0)
{
    return upperCaseText(text).find(upperCaseText(part->WordView()), from);
}

}  // namespace

int32_t tLogoWord::Count() { return static_cast<int32_t>(WordView().size()); }

namespace {
tlogoobject* emptyWordResult(tLogoWord& word, int failingLevel)
{
    if (strictLevel() >= failingLevel) throw eLogoException(erEmptyWord, &word);
    return &word;
}
}  // namespace

tlogoobject* tLogoWord::First()
{
    const std::string_view text = WordView();
    return text.empty() ? emptyWordResult(*this, 2) : NewLiteralWord(text.substr(0, 1));
}

tlogoobject* tLogoWord::ButFirst()
{
    const std::string_view text = WordView();
    return text.empty() ? emptyWordResult(*this, 2) : NewWordPiece(*this, text.substr(1));
}

tlogoobject* tLogoWord::Last()
{
    const std::string_view text = WordView();
    return text.empty() ? emptyWordResult(*this, 2) : NewLiteralWord(text.substr(text.size() - 1));
}

tlogoobject* tLogoWord::ButLast()
{
    const std::string_view text = WordView();
    return text.empty() ? emptyWordResult(*this, 2) : NewWordPiece(*this, text.substr(0, text.size() - 1));
}

tlogoobject* tLogoWord::Pick()
{
    const std::string_view text = WordView();
    if (text.empty()) return emptyWordResult(*this, 1);
    return NewLiteralWord(characterAt(text, randomInRange(1, static_cast<int32_t>(text.size()))));
}

tlogoobject* tLogoWord::Shuffle()
{
    std::string remaining(WordView());
    if (remaining.size() <= 1) return this;
    std::string shuffled;
    shuffled.reserve(remaining.size());
    for (size_t k = remaining.size(); k >= 1; --k) {
        const size_t p = static_cast<size_t>(randomInRange(0, static_cast<int32_t>(k) - 1));
        shuffled.push_back(remaining[p]);
        remaining[p] = remaining[k - 1];
    }
    return NewLiteralWord(shuffled);
}

tlogoobject* tLogoWord::Reverse()
{
    std::string text(WordView());
    std::reverse(text.begin(), text.end());
    return NewLiteralWord(text);
}

tlogoobject* tLogoWord::Fput(tlogoobject* element)
{
    tHeldArgument held(element);
    return JoinWords({element, this});
}

tlogoobject* tLogoWord::Lput(tlogoobject* element)
{
    tHeldArgument held(element);
    return JoinWords({this, element});
}

bool tLogoWord::IsMember(tlogoobject* part)
{
    tHeldArgument held(part);
    return findPart(WordView(), part) != std::string::npos;
}

int32_t tLogoWord::Member(tlogoobject* part)
{
    tHeldArgument held(part);
    const size_t at = findPart(WordView(), part);
    return at == std::string::npos ? 0 : static_cast<int32_t>(at + 1);
}

tlogoobject* tLogoWord::FromMember(tlogoobject* part)
{
    tHeldArgument held(part);
    const std::string_view text = WordView();
    const size_t at = findPart(text, part);
    return at == std::string::npos ? NewLiteralWord("") : NewWordPiece(*this, text.substr(at));
}

tlogoobject* tLogoWord::ButMember(tlogoobject* part)
{
    tHeldArgument held(part);
    std::string text(WordView());
    const std::string sought = upperCaseText(part->WordView());
    // An empty part occurs everywhere and would never stop being removed.
    if (sought.empty()) return NewLiteralWord(text);
    std::string upper = upperCaseText(text);
    size_t start = 0;
    for (size_t at; (at = upper.find(sought, start)) != std::string::npos; start = at) {
        text.erase(at, sought.size());
        upper.erase(at, sought.size());
    }
    return NewLiteralWord(text);
}

tlogoobject* tLogoWord::Item(tlogoobject* index)
{
    tHeldArgument held(index);
    const std::string_view text = WordView();
    if (tLogoList* list = asList(index)) {
        if (list->IsEmpty()) return NewLiteralWord("");
        tSpan span;
        if (list->first->IsWord()) {
            if (!readSpan(*list, span)) throw eLogoException(erExpectList2, index);
            return NewWordPiece(*this, cut(text, span));
        }
        if (!list->first->IsList()) throw eLogoException(erBadStructure, index);
        std::string pieces;
        for (tlogoobject* element : elements(list)) {
            if (tLogoList* piece = asList(element)) {
                if (!readSpan(*piece, span)) throw eLogoException(erExpectList2, element);
                pieces += cut(text, span);
            } else if (element->IsNumber()) {
                pieces += characterAt(text, element->AsInteger());
            } else {
                throw eLogoException(erExpectList, element);
            }
        }
        return NewLiteralWord(pieces);
    }
    if (!index->IsNumber()) throw eLogoException(erMinMax, 1, static_cast<int32_t>(text.size()), index);
    const int32_t position =
        strictLevel() > 0 ? index->AsIntegerIn(1, static_cast<int32_t>(text.size())) : index->AsInteger();
    return NewLiteralWord(characterAt(text, position));
}

tlogoobject* tLogoWord::ButItem(tlogoobject* index)
{
    tHeldArgument held(index);
    if (tLogoList* list = asList(index)) {
        tSpan span;
        if (!readSpan(*list, span)) throw eLogoException(erExpectList2, index);
        return NewLiteralWord(without(WordView(), fromFirstPosition(span)));
    }
    if (!index->IsNumber()) throw eLogoException(erExpectNumber, index);
    return NewLiteralWord(without(WordView(), {index->AsIntegerIn(1, 2147483647), 1}));
}

tlogoobject* tLogoWord::Replace(tlogoobject* index, tlogoobject* replacement)
{
    tHeldArgument heldIndex(index);
    tHeldArgument heldReplacement(replacement);
    tSpan span;
    if (tLogoList* list = asList(index)) {
        if (!readSpan(*list, span)) throw eLogoException(erExpectList2, index);
    } else if (index->IsNumber()) {
        span = {index->AsInteger(), 1};
    } else {
        throw eLogoException(erExpectNumber, index);
    }
    std::string text = without(WordView(), span);
    const size_t insertAt = static_cast<size_t>(std::clamp<int64_t>(span.from, 1, static_cast<int64_t>(text.size()) + 1) - 1);
    text.insert(insertAt, replacement->WordView());
    return NewLiteralWord(text);
}

tlogoobject* tLogoWord::Char() { return NewLiteralWord(std::string(1, static_cast<char>(AsIntegerIn(0, 255)))); }

int32_t tLogoWord::Ascii()
{
    const std::string_view text = WordView();
    if (text.empty()) {
        if (strictLevel() > 0) throw eLogoException(erEmptyWord, this);
        return 0;
    }
    return static_cast<unsigned char>(text[0]);
}
