#include "values/wordPieces.h"

#include <string>
#include <typeinfo>

#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/tTextBuffer.h"
#include "values/valuePools.h"

namespace {

// The word's shared buffer, when it has one.
tLogoString* sharedWord(tlogoobject& word)
{
    // No class derives from tLogoString, so its exact class decides without a dynamic cast.
    if (&typeid(word) != &typeid(tLogoString)) return nullptr;
    auto* text = static_cast<tLogoString*>(&word);
    return text->SharedBuffer() ? text : nullptr;
}

}  // namespace

tlogoobject* NewWordPiece(tlogoobject& source, std::string_view piece)
{
    if (piece.size() <= kPooledWordLength) return NewLiteralWord(piece);
    if (tLogoString* shared = sharedWord(source)) {
        const size_t offset = static_cast<size_t>(piece.data() - shared->WordView().data()) + shared->SharedOffset();
        return new tLogoString(shared->SharedBuffer(), offset, piece.size());
    }
    return new tLogoString(tTextBuffer::Make(piece, piece.size()), 0, piece.size());
}

tlogoobject* JoinWords(std::span<tlogoobject* const> words)
{
    size_t length = 0;
    for (tlogoobject* word : words) {
        if (!word->IsWord()) throw eLogoException(erExpectWord, word);
        length += word->WordView().size();
    }
    if (length <= kPooledWordLength) {
        std::string text;
        text.reserve(length);
        for (tlogoobject* word : words) text += word->WordView();
        return NewLiteralWord(text);
    }
    tLogoString* grown = words.empty() ? nullptr : sharedWord(*words[0]);
    if (grown && !grown->EndsSharedBuffer()) grown = nullptr;
    const size_t kept = grown ? grown->WordView().size() : 0;
    if (grown && grown->SharedBuffer()->Room() >= length - kept) {
        tTextBuffer* buffer = grown->SharedBuffer();
        for (tlogoobject* word : words.subspan(1)) buffer->Append(word->WordView());
        return new tLogoString(buffer, grown->SharedOffset(), length);
    }
    // A word grown at its buffer's end is likely to grow again: room for as much once more.
    tTextBuffer* buffer = tTextBuffer::Make({}, grown ? 2 * length : length);
    for (tlogoobject* word : words) buffer->Append(word->WordView());
    return new tLogoString(buffer, 0, length);
}
