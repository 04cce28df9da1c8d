#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class tStream;

// Texts kept in chunks of the image container, the envelope of project and image files. The
// container's code belongs to the images layer, which installs it here at start-up; until then
// (and in programs without images) every file is plain text and no project envelope can be
// made. A damaged container raises eStreamError.
struct tContainerTexts {
    // Text chunk `index` (0-based) of a container stored plainly or through the project
    // filter; empty when it has no such chunk; nullopt when the stream holds no container.
    std::optional<std::string> (*textChunk)(tStream& stream, int32_t index) = nullptr;
    // Writes a new project file into the empty stream: `text` in its one text chunk.
    void (*writeProjectEnvelope)(tStream& stream, std::string_view text) = nullptr;
    // Appends `text` as a further text chunk, stored as the container is; false (nothing
    // written) when the stream holds no container.
    bool (*appendText)(tStream& stream, std::string_view text) = nullptr;
};

void installContainerTexts(const tContainerTexts& texts);
// None until installed.
const tContainerTexts* containerTexts();
