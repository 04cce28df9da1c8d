#include "mainobj/system/systemPrimitives.h"

#include <optional>
#include <strings.h>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/system/tRemoteFiles.h"
#include "mainobj/system/textFiles.h"
#include "mainobj/tClipboard.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Whole text files (and the clipboard's text) as lists of lines. FTP addresses are read and
// written on the server, byte for byte.

namespace {

// One word per line; a carriage return, a line feed or both end a line, and a last line end
// starts no further line.
tlogoobject* lines(std::string_view text)
{
    tListBuilder list;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        list.Append(NewLiteralWord(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return list.Take();
}

// A list is written as its lines, anything else as its text.
std::string textOf(tlogoobject* value)
{
    if (!value->IsList()) return value->PrintText(0);
    std::string text;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) text += element->PrintText(0) + "\r\n";
    return text;
}

tlogoobject* loadtext(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) {
        std::optional<std::string> text = remote->readFile(call.word(0));
        if (!text) throw eLogoException(erFileProblem, call[0]);
        return lines(*text);
    }
    const std::string name = resolveFileName(call.word(0), fkText, {.search = true});
    return lines(namesClipboard(name) ? clipboardText() : readTextFile(name));
}

// Project and image files keep their text in a chunk of the image container, which is not read
// or written here: plain text written over one would destroy it.
bool isContainerFile(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find('/', dot) != std::string::npos) return false;
    const std::string extension = name.substr(dot);
    return strcasecmp(extension.c_str(), ".ZXP") == 0 || strcasecmp(extension.c_str(), ".LGF") == 0;
}

void writeText(tPrimitiveCall& call, bool append)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) {
        if (isContainerFile(call.word(0)) || !remote->writeFile(call.word(0), textOf(call[1]), append))
            throw eLogoException(erFileCreate, call[0]);
        return;
    }
    const std::string name = resolveFileName(call.word(0), fkText, {.search = append});
    if (isContainerFile(name)) throw eLogoException(erFileCreate, call[0]);
    const std::string text = textOf(call[1]);
    if (!namesClipboard(name))
        writeTextFile(name, text, append);
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
