#include "mainobj/system/systemPrimitives.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <strings.h>

#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/containerTexts.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/system/tRemoteFiles.h"
#include "mainobj/system/textFiles.h"
#include "mainobj/tClipboard.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Whole text files (and the clipboard's text) as lists of lines. Project and image files keep
// their texts in chunks of the image container: those are read and added as chunks, and a
// project name gets its text inside a new container, so "load" can run it.

namespace {

// A list is written as its lines, anything else as its text.
std::string textOf(tlogoobject* value)
{
    if (!value->IsList()) return value->PrintText(0);
    std::string text;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) text += element->PrintText(0) + "\r\n";
    return text;
}

bool namesProject(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find('/', dot) != std::string_view::npos) return false;
    return name.size() - dot == 4 && strncasecmp(name.data() + dot, ".ZXP", 4) == 0;
}

// "notes:1.ZXP" names text chunk 1 of notes.ZXP: a colon and digits before the extension.
struct tChunkName {
    std::string name;
    int32_t index = 0;
};

std::optional<tChunkName> chunkName(std::string_view name)
{
    const size_t start = name.find_last_of('/') == std::string_view::npos ? 0 : name.find_last_of('/') + 1;
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot < start) dot = name.size();
    const size_t colon = name.rfind(':', dot);
    if (colon == std::string_view::npos || colon < start || colon + 1 == dot || dot - colon > 9) return std::nullopt;
    const std::string_view digits = name.substr(colon + 1, dot - colon - 1);
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return tChunkName{std::string(name.substr(0, colon)) + std::string(name.substr(dot)), std::stoi(std::string(digits))};
}

// A plain file is one text; a container gives its chunk.
std::string textInStream(tStream& stream, int32_t index)
{
    if (const tContainerTexts* containers = containerTexts())
        if (std::optional<std::string> text = containers->textChunk(stream, index)) return *text;
    if (index > 0) return {};
    std::string text(static_cast<size_t>(stream.Size()), '\0');
    stream.Seek(0, tSeekOrigin::begin);
    stream.ReadExact(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

std::string textInBytes(std::string_view bytes, int32_t index)
{
    tMemoryStream stream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return textInStream(stream, index);
}

// The chunk a local name selects: the chunk name when its file is there, else the name as it
// stands (a colon may be part of a file name).
tChunkName localChunk(const std::string& word)
{
    if (std::optional<tChunkName> chunk = chunkName(word)) {
        std::string path = resolveFileName(chunk->name, fkText, {.search = true});
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return {std::move(path), chunk->index};
    }
    return {resolveFileName(word, fkText, {.search = true}), 0};
}

tlogoobject* loadtext(tPrimitiveCall& call)
{
    const std::string& word = call.word(0);
    if (tRemoteFiles* remote = remoteFilesFor(word)) {
        const std::optional<tChunkName> chunk = chunkName(word);
        std::optional<std::string> bytes;
        int32_t index = 0;
        if (chunk && (bytes = remote->readFile(chunk->name)))
            index = chunk->index;
        else
            bytes = remote->readFile(word);
        if (!bytes) throw eLogoException(erFileProblem, call[0]);
        try {
            return textLines(textInBytes(*bytes, index));
        } catch (const eStreamError&) {
            throw eLogoException(erFileProblem, call[0]);
        }
    }
    const tChunkName chunk = localChunk(word);
    if (namesClipboard(chunk.name)) return textLines(clipboardText());
    try {
        tFileStream file(chunk.name, tFileStream::openRead);
        return textLines(textInStream(file, chunk.index));
    } catch (const eStreamError&) {
        throw eLogoException(erFileProblem, std::string_view(chunk.name));
    }
}

// Without the image container a project name cannot be written as "load" expects it.
const tContainerTexts& envelopeWriter(tlogoobject* name)
{
    const tContainerTexts* containers = containerTexts();
    if (!containers) throw eLogoException(erFileCreate, name);
    return *containers;
}

bool namesContainer(std::string_view name)
{
    const size_t dot = name.rfind('.');
    return namesProject(name) || (dot != std::string_view::npos && name.size() - dot == 4 &&
                                  strncasecmp(name.data() + dot, ".LGF", 4) == 0);
}

std::string bytesOf(const tMemoryStream& stream) { return {stream.Bytes().begin(), stream.Bytes().end()}; }

// What a remote file becomes when it is not the text itself: an existing container with a
// further chunk, or a new container for a project name. The server's file is replaced whole.
std::optional<std::string> remoteContainer(tRemoteFiles& remote, const std::string& address, tlogoobject* name,
                                           const std::string& text, bool append)
{
    if (!namesContainer(address)) return std::nullopt;
    if (append && containerTexts()) {
        const std::optional<std::string> existing = remote.readFile(address);
        if (existing && !existing->empty()) {
            tMemoryStream container(std::vector<uint8_t>(existing->begin(), existing->end()));
            if (!containerTexts()->appendText(container, text)) return std::nullopt;
            return bytesOf(container);
        }
    }
    if (!namesProject(address)) return std::nullopt;
    tMemoryStream container;
    envelopeWriter(name).writeProjectEnvelope(container, text);
    return bytesOf(container);
}

void writeRemoteText(tRemoteFiles& remote, tPrimitiveCall& call, const std::string& text, bool append)
{
    const std::string& address = call.word(0);
    std::optional<std::string> container;
    try {
        container = remoteContainer(remote, address, call[0], text, append);
    } catch (const eStreamError&) {
        throw eLogoException(erFileCreate, call[0]);
    }
    if (!(container ? remote.writeFile(address, *container, false) : remote.writeFile(address, text, append)))
        throw eLogoException(erFileCreate, call[0]);
}

bool holdsBytes(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

// A local container gets the chunk in place; a new project file is a new container.
void writeLocalText(const std::string& path, tlogoobject* name, const std::string& text, bool append)
{
    const bool existing = append && holdsBytes(path);
    try {
        if (existing && containerTexts()) {
            tFileStream file(path, tFileStream::openReadWrite);
            if (containerTexts()->appendText(file, text)) return;
        } else if (!existing && namesProject(path)) {
            const tContainerTexts& containers = envelopeWriter(name);
            tFileStream file(path, tFileStream::create);
            containers.writeProjectEnvelope(file, text);
            return;
        }
    } catch (const eStreamError&) {
        throw eLogoException(erFileCreate, std::string_view(path));
    }
    writeTextFile(path, text, append);
}

void writeText(tPrimitiveCall& call, bool append)
{
    const std::string text = textOf(call[1]);
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return writeRemoteText(*remote, call, text, append);
    const std::string name = resolveFileName(call.word(0), fkText, {.search = append});
    if (!namesClipboard(name))
        writeLocalText(name, call[0], text, append);
    else
        clipboard().SetText(append ? clipboard().Text() + text : text);
}

tlogoobject* savetext(tPrimitiveCall& call)
{
    writeText(call, false);
    return nullptr;
}

tlogoobject* appendtext(tPrimitiveCall& call)
{
    writeText(call, true);
    return nullptr;
}

constexpr tPrimitiveRow kTextFileRows[] = {
    {"loadtext", 1, kFixedInputs, &loadtext},
    {"savetext", 2, kFixedInputs, &savetext},
    {"appendtext", 2, kFixedInputs, &appendtext},
};

}  // namespace

void registerTextFilePrimitives(tLogoTab& table) { registerPrimitives(table, kTextFileRows); }
