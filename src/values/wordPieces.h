#pragma once

#include <span>
#include <string_view>

class tlogoobject;

// Words made of pieces of other words. Short results are pooled words of their own; long ones
// read a shared buffer (tTextBuffer.h), so that walking a long word with "butfirst" and growing
// one with "word" cost the length of the piece, not of the whole word.

// A word of the text `piece`, which lies within source's WordView().
tlogoobject* NewWordPiece(tlogoobject& source, std::string_view piece);

// The words' texts one after the other ("word"); erExpectWord names the first input that is no
// word. When the first word ends its buffer and the buffer has room, the rest is added there.
tlogoobject* JoinWords(std::span<tlogoobject* const> words);
inline tlogoobject* JoinWords(std::initializer_list<tlogoobject*> words)
{
    return JoinWords(std::span<tlogoobject* const>(words.begin(), words.size()));
}
