#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class tStream;

// The text side of the LGF container: the project text ("TX 1"; "TXZ1" is recognised but never
// written) and the language chunk ("LA 1") that names the Logo language of the text.

// From offset 5, the text chunk number `index` (0-based): its body length with the stream at
// the body, negated for "TXZ1"; 0 when there is none.
int32_t findTextChunk(tStream& stream, int32_t index);

// "*" when the stream is not LGF; else the first "LA 1" body, empty when there is none.
std::string readLanguageChunk(tStream& stream);

// Starts a project stream: the header ("04" for english or no language, else "05" followed by
// an "LA 1" chunk of the language name) and the reserved header of the text chunk. Returns
// where the text body starts.
int64_t beginProjectStream(tStream& stream, std::string_view language);

// Back-patches the text chunk begun by beginProjectStream, counts it and returns to the end.
void closeTextChunk(tStream& stream, int64_t bodyStart, bool compressed);
