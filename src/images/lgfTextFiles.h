#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class tStream;

// Files whose text lives in the LGF container: "loadtext" reads a text chunk of a project or
// image file, "savetext" wraps a text for a project name, "appendtext" adds a text chunk to an
// existing container. Project files are stored through the project filter, image files
// plainly; both are recognised, and an appended chunk is stored as the file is.

// Text chunk `index` (0-based); empty when the container has no such chunk or only a packed
// one; nullopt when the stream holds no container.
std::optional<std::string> lgfTextChunk(tStream& stream, int32_t index);
// Into an empty stream: the header and one text chunk holding `text`, through the project
// filter, as "load" reads a project.
void writeLgfProjectEnvelope(tStream& stream, std::string_view text);
// Appends `text` as a new "TX 1" chunk and counts it; false when the stream holds no container.
bool appendLgfText(tStream& stream, std::string_view text);

// Makes the text primitives of the main object use these.
void installLgfTextFiles();
