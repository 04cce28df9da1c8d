#include "images/projects/projectWriter.h"

#include "images/builtInImages.h"
#include "images/lgfImages.h"
#include "images/lgfText.h"
#include "images/projects/objectWriter.h"
#include "images/projects/saveOptions.h"
#include "language/Language.h"
#include "language/tStream.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/system/tlogotable.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoVarTab.h"
#include "values/tProcDesc.h"
#include "values/tTabDesc.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// Copies of the default turtle share its frames.
bool isDefaultTurtle(const tLogoImage& image)
{
    static const tLogoRef<tLogoImage> turtle(builtInImage("turtle", ".LGF"));
    return !image.frames.empty() && image.frames == turtle->frames;
}

struct tWriting {
    std::string& text;
    tImageRegistry& images;
};

// Each global variable is an instruction of its own, so a failing one names itself on loading.
void writeVariable(void* data, tTabDesc* entry)
{
    auto& writing = *static_cast<tWriting*>(data);
    tlogoobject* value = entry->Value();
    if (!savedEntry(entry) || !value)
        return;
    writing.text += primaryName("make") + " \"" + codeName(entry->code) + " " + inputText(value, writing.images) +
                    kLineEnd + kLineEnd;
}

void writeProcedure(void* data, tTabDesc* entry)
{
    auto& writing = *static_cast<tWriting*>(data);
    if (!savedEntry(entry))
        return;
    const std::string definition = static_cast<tProcDesc*>(entry)->DefinitionText();
    if (definition.empty())
        return;
    writing.text += definition;
    if (!definition.ends_with(kLineEnd))
        writing.text += kLineEnd;
}

void writeEvent(void* data, tTabDesc* entry)
{
    auto& writing = *static_cast<tWriting*>(data);
    tlogoobject* handler = entry->Value();
    if (!savedEntry(entry) || !handler)
        return;
    writing.text += primaryName("setevent") + " \"" + codeName(entry->code) + " " + handler->SourceText(1) + kLineEnd +
                    kLineEnd;
}

// Values holding images stand as empty lists in the list; "pprop" puts them in afterwards.
void writePropertyLists(std::string& text, tImageRegistry& images)
{
    const tlogotable* store = mainLogoObject().propertyStore.get();
    if (!store)
        return;
    for (const auto& group : store->Groups()) {
        if (group->pairs.empty())
            continue;
        std::string list;
        std::string imageLines;
        for (const auto& [property, value] : group->pairs) {
            const bool image = holdsImage(value.get());
            list += (list.empty() ? "" : " ") + property + " " + (image ? std::string("[]") : value->SourceText(1));
            if (image)
                imageLines += primaryName("pprop") + " \"" + group->name + " \"" + property + " " +
                              inputText(value.get(), images) + kLineEnd;
        }
        text += std::string(kLineEnd) + primaryName("setplist") + " \"" + group->name + " [" + list + "]" + kLineEnd +
                imageLines + kLineEnd;
    }
}

struct tImageInList {
    std::vector<int32_t> path;  // positions from the outermost list inwards, from 1
    tLogoImage* image;
};

// A copy of the list with an empty list in place of every image, and where they were.
tlogoobject* withoutImages(tLogoList* list, std::vector<int32_t>& path, std::vector<tImageInList>& found)
{
    tListBuilder copy;
    int32_t position = 0;
    for (tlogoobject* element : elements(list)) {
        path.push_back(++position);
        if (auto* image = dynamic_cast<tLogoImage*>(element)) {
            found.push_back({path, image});
            copy.Append(new tLogoList);
        } else if (element->IsList()) {
            copy.Append(withoutImages(static_cast<tLogoList*>(element), path, found));
        } else {
            copy.Append(element);
        }
        path.pop_back();
    }
    return copy.Take();
}

std::string headerText(const tProjectHeader& header)
{
    std::string text = "; ";
    if (!header.language.empty())
        text += "language: \"" + header.language + "\" ";
    text += "name: \"" + header.fileName + "\"  version: \"" + ZEMBRIX_VERSION + "\"  date: " + header.date;
    text += std::string(kLineEnd) + kLineEnd;
    if (!header.imageFile.empty())
        text += primaryName(".setloadimage") + " \"|$" + header.imageFile + "|" + kLineEnd + kLineEnd;
    return text;
}

}  // namespace

std::string loadImageCall(int32_t number)
{
    return "( " + primaryWord("class", "main") + "'" + primaryName(".loadimage") + " " + std::to_string(number) + " )";
}

bool holdsImage(tlogoobject* value)
{
    if (value->IsImage())
        return true;
    if (!value->IsList())
        return false;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value)))
        if (holdsImage(element))
            return true;
    return false;
}

std::string inputText(tlogoobject* value, tImageRegistry& images)
{
    if (auto* image = dynamic_cast<tLogoImage*>(value))
        return loadImageCall(images.Number(image));
    if (value->IsList() && holdsImage(value)) {
        // A list cannot hold an image as text: the images are put back into a copy that holds
        // empty lists in their places.
        std::vector<tImageInList> found;
        std::vector<int32_t> path;
        tLogoRef<tlogoobject> holder(withoutImages(static_cast<tLogoList*>(value), path, found));
        std::string text = holder->SourceText(1);
        for (const tImageInList& image : found) {
            std::string positions;
            for (int32_t position : image.path)
                positions += (positions.empty() ? "" : " ") + std::to_string(position);
            text = "( " + primaryName("deepreplace") + " [" + positions + "] " + text + " " +
                   loadImageCall(images.Number(image.image)) + " )";
        }
        return text;
    }
    // A word stands quoted where an instruction takes it as a value.
    if (!value->IsList() && !value->IsNumber())
        return "\"" + value->SourceText(1);
    return value->SourceText(1);
}

bool savedEntry(const tTabDesc* entry) { return !(entry->flags & (kNotSaved | kNotSavedUntilSet | kSystemEntry)); }

int32_t tImageRegistry::Number(tLogoImage* image)
{
    if (isDefaultTurtle(*image))
        return 0;
    for (size_t i = 0; i < images.size(); ++i)
        if (images[i].get() == image)
            return int32_t(i + 1);
    images.emplace_back(image);
    return int32_t(images.size());
}

std::string mainProjectText(const tProjectHeader& header, uint8_t options, tImageRegistry& images)
{
    std::string text = headerText(header);
    text += primaryName(".setsaveoptions") + " " + saveOptionsText(options) + kLineEnd + kLineEnd;

    tMainLogoObject& main = mainLogoObject();
    tWriting writing{text, images};
    main.globalVarTable->ForEachInOrder(&writeVariable, &writing);
    main.procTable->ForEachInOrder(&writeProcedure, &writing);
    main.eventTable->ForEachInOrder(&writeEvent, &writing);
    // The main object's block ends with one more empty line.
    text += std::string(kLineEnd) + kLineEnd;
    writeObjectBlocks(text, images, options);
    writePropertyLists(text, images);
    return text;
}

std::string partialProjectText(const tProjectHeader& header, const tSaveSelection& selection,
                               tImageRegistry& images)
{
    std::string text = headerText(header);
    if (!selection.objects.empty())
        writeObjectBlocks(text, images, storedSaveOptions(), selection.objects, selection.copyName);
    tWriting writing{text, images};
    for (uint32_t code : selection.variables) {
        tTabDesc* entry = mainLogoObject().globalVarTable->Lookup(code);
        if (!entry || !entry->Value())
            throw eLogoException(erNoVal, tCulpritName{code});
        writeVariable(&writing, entry);
    }
    return text;
}

void writeProjectContainer(tStream& stream, std::string_view language, std::string_view text,
                           const tImageRegistry& images, int level)
{
    const int64_t body = beginProjectStream(stream, language);
    stream.WriteExact(text.data(), int64_t(text.size()));
    closeTextChunk(stream, body, false);
    const auto& table = images.Images();
    for (auto image = table.rbegin(); image != table.rend(); ++image)
        appendImageChunk(**image, stream, level);
}
