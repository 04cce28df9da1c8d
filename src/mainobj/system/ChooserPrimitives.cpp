#include "mainobj/system/systemPrimitives.h"

#include <string>
#include <vector>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/dialogFront.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

// The choosers (files, colours, items) and "popup": each outputs the choice, or the empty list
// when the learner cancels. Without a window nobody can choose: they answer as cancelled at
// once, so a script never waits on them.

namespace {

tlogoobject* cancelled() { return tListBuilder().Take(); }

// "*.txt" from "txt", ".txt" or "*.txt"; several patterns may be separated by ";" or spaces.
std::vector<std::string> patternsOf(const std::string& text)
{
    std::vector<std::string> patterns;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("; ", start);
        if (end == std::string::npos) end = text.size();
        std::string pattern = text.substr(start, end - start);
        start = end + 1;
        if (pattern.empty()) continue;
        if (pattern.find_first_of("*?") == std::string::npos)
            pattern = (pattern.front() == '.' ? "*" : "*.") + pattern;
        patterns.push_back(std::move(pattern));
    }
    return patterns;
}

// The reader cuts "*.txt" in a list into "*" and ".txt": a lone wild card joins the word
// after it again.
void appendGlued(std::vector<std::string>& texts, const std::string& text)
{
    if (!texts.empty() && !texts.back().empty() && texts.back().find_first_not_of("*?") == std::string::npos)
        texts.back() += text;
    else
        texts.push_back(text);
}

// A filter input: a word is one filter (its text describes it); a list holds one filter per
// element, a word as before or a list of a description and patterns. Empty: every file.
std::vector<tFileFilter> filtersOf(tlogoobject* value)
{
    std::vector<tFileFilter> filters;
    std::vector<std::string> words;
    auto addWords = [&filters, &words] {
        for (const std::string& word : words)
            if (!word.empty()) filters.push_back({word, patternsOf(word)});
        words.clear();
    };
    if (!value->IsList()) {
        words.push_back(value->PrintText(0));
        addWords();
        return filters;
    }
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) {
        if (!element->IsList()) {
            appendGlued(words, element->PrintText(0));
            continue;
        }
        addWords();
        tFileFilter filter;
        std::vector<std::string> parts;
        for (tlogoobject* part : elements(static_cast<tLogoList*>(element))) {
            if (filter.description.empty() && parts.empty())
                filter.description = part->PrintText(0);
            else
                appendGlued(parts, part->PrintText(0));
        }
        for (const std::string& part : parts)
            for (std::string& pattern : patternsOf(part)) filter.patterns.push_back(std::move(pattern));
        if (!filter.patterns.empty()) filters.push_back(std::move(filter));
    }
    addWords();
    return filters;
}

// The extension a saved name gets when the learner types none: the first filter's, when it
// names one.
std::string suffixOf(const std::vector<tFileFilter>& filters)
{
    if (filters.empty() || filters.front().patterns.empty()) return {};
    const std::string& pattern = filters.front().patterns.front();
    if (pattern.rfind("*.", 0) != 0 || pattern.find_first_of("*?", 2) != std::string::npos) return {};
    return pattern.substr(2);
}

// Where a chooser starts from a proposed name: a name that says where is resolved as the file
// primitives resolve it; a bare name starts in the kind's first folder that exists (the work
// folder for general files).
void placeName(tFileRequest& request, const std::string& given, tFileKind kind)
{
    std::string path = given;
    if (saysWhere(given)) {
        path = resolveFileName(given, kind, {.search = true, .keepName = true});
    } else {
        request.folder = kind == fkGeneral ? workFolder() : firstExistingFolder(kind);
        if (request.folder.empty() && kind == fkGeneral) request.folder = firstExistingFolder(fkGeneral);
    }
    const size_t cut = path.find_last_of("/\\");
    if (cut != std::string::npos) {
        request.folder = path.substr(0, cut + 1);
        path = path.substr(cut + 1);
    }
    request.name = path;
}

tlogoobject* chosenFile(tFileRequest request)
{
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowFileChooser, request);
    if (answer.cancelled) return cancelled();
    return NewLiteralWord(answer.text);
}

// caption, filter, proposed name.
tlogoobject* generalChooser(tPrimitiveCall& call, bool save, const char* defaultPatterns)
{
    tFileRequest request;
    request.save = save;
    request.caption = call[0]->PrintText(0);
    request.filters = filtersOf(call[1]);
    if (request.filters.empty() && defaultPatterns) request.filters.push_back({defaultPatterns, patternsOf(defaultPatterns)});
    request.defaultSuffix = suffixOf(request.filters);
    placeName(request, call[2]->PrintText(0), fkGeneral);
    return chosenFile(std::move(request));
}

tlogoobject* openchooser(tPrimitiveCall& call) { return generalChooser(call, false, nullptr); }
tlogoobject* savechooser(tPrimitiveCall& call) { return generalChooser(call, true, nullptr); }
tlogoobject* savehtmlchooser(tPrimitiveCall& call) { return generalChooser(call, true, "*.htm;*.html"); }

std::string currentProjectName()
{
    tTabDesc* entry = mainLogoObject().varTable->Lookup(nameCode(primaryWord("name", "fileName")));
    return entry && entry->Value() ? entry->Value()->PrintText(0) : std::string();
}

tlogoobject* projectChooser(bool save)
{
    tFileRequest request;
    request.save = save;
    request.filters.push_back({uiString("directories", "project"), {"*.zxp"}});
    request.defaultSuffix = "zxp";
    placeName(request, save ? currentProjectName() : std::string(), fkProject);
    return chosenFile(std::move(request));
}

tlogoobject* openprojectchooser(tPrimitiveCall&) { return projectChooser(false); }
tlogoobject* saveprojectchooser(tPrimitiveCall&) { return projectChooser(true); }

// The picture formats the image layer reads, and which of them it writes.
struct tPictureFormat {
    const char* key;  // in the interface's "GraphicFileFormats"
    const char* patterns;
    bool writable;
};
constexpr tPictureFormat kPictureFormats[] = {
    {"LGF", "*.lgf", true},  {"LGW", "*.lgw", false},
    {"BMP", "*.bmp", true},  {"JPG", "*.jpg;*.jpeg;*.jpe", true},
    {"GIF", "*.gif", true},  {"ICO", "*.ico", false},
    {"PNG", "*.png", false},
};

tFileFilter pictureFilter(const tPictureFormat& format)
{
    std::string description = uiString("GraphicFileFormats", format.key);
    return {description.empty() ? format.key : description, patternsOf(format.patterns)};
}

std::string extensionOf(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || name.find_first_of("/\\", dot) != std::string::npos) return {};
    return name.substr(dot + 1);
}

// The formats a picture chooser offers: every readable one (first all of them together), the
// writable ones for saving, or only the format of the proposed name's extension.
enum class tPictureChoice { kLoad, kSave, kLoadOneFormat, kImage };  // kImage: the program's own

tlogoobject* pictureChooser(tPrimitiveCall& call, tPictureChoice choice)
{
    tFileRequest request;
    request.save = choice == tPictureChoice::kSave;
    const std::string given = call[0]->PrintText(0);
    placeName(request, given, fkImage);
    const std::string extension = extensionOf(request.name);
    // Images proper are the program's own formats, the first two of the table.
    std::vector<tFileFilter> formats;
    for (const tPictureFormat& format : kPictureFormats) {
        const bool offered = choice == tPictureChoice::kSave    ? format.writable
                             : choice == tPictureChoice::kImage ? &format - kPictureFormats < 2
                                                                : true;
        if (offered) formats.push_back(pictureFilter(format));
    }
    if (choice == tPictureChoice::kLoadOneFormat && !extension.empty()) {
        std::vector<tFileFilter> matching;
        for (const tFileFilter& filter : formats)
            for (const std::string& pattern : filter.patterns)
                if (sameWord(pattern, "*." + extension)) matching.push_back(filter);
        if (!matching.empty()) formats = std::move(matching);
    }
    if (choice == tPictureChoice::kLoad && formats.size() > 1) {
        tFileFilter all{uiString("strings", "image1"), {}};
        for (const tFileFilter& filter : formats) all.patterns.insert(all.patterns.end(), filter.patterns.begin(), filter.patterns.end());
        formats.insert(formats.begin(), std::move(all));
    }
    request.filters = std::move(formats);
    request.defaultSuffix = request.save ? (extension.empty() ? "lgf" : extension) : std::string();
    return chosenFile(std::move(request));
}

tlogoobject* loadpicturechooser(tPrimitiveCall& call) { return pictureChooser(call, tPictureChoice::kLoad); }
tlogoobject* loadpicturechooser1(tPrimitiveCall& call) { return pictureChooser(call, tPictureChoice::kLoadOneFormat); }
tlogoobject* savepicturechooser(tPrimitiveCall& call) { return pictureChooser(call, tPictureChoice::kSave); }
tlogoobject* loadimagechooser(tPrimitiveCall& call) { return pictureChooser(call, tPictureChoice::kImage); }

tlogoobject* wavechooser(tPrimitiveCall& call)
{
    tFileRequest request;
    placeName(request, call[0]->PrintText(0), fkSound);
    request.filters.push_back({uiString("directories", "media"), {"*.wav"}});
    return chosenFile(std::move(request));
}

tlogoobject* colourchooser(tPrimitiveCall& call)
{
    tColourRequest request;
    request.initial = call[0]->IsList() && call[0]->IsEmpty() ? 0xFFFFFFu : call[0]->AsColor();
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowColourChooser, request);
    if (answer.cancelled) return cancelled();
    tListBuilder rgb;
    for (int shift : {16, 8, 0}) rgb.Append(NewInteger(static_cast<int32_t>((answer.colour >> shift) & 0xFF)));
    return rgb.Take();
}

// The elements of a list of choices and their texts, in order.
std::vector<tlogoobject*> choicesOf(tPrimitiveCall& call, std::vector<std::string>& texts)
{
    std::vector<tlogoobject*> choices;
    for (tlogoobject* element : elements(call.list(0))) {
        choices.push_back(element);
        texts.push_back(element->PrintText(0));
    }
    return choices;
}

// items (, caption (, prompt)): one of the items, in a list.
tlogoobject* chooser(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 3) throw eLogoException(erTooManyInputs);
    tItemsRequest request;
    const std::vector<tlogoobject*> choices = choicesOf(call, request.items);
    if (choices.empty()) return cancelled();
    if (call.count() > 1) request.caption = call[1]->PrintText(0);
    if (call.count() > 2) request.prompt = call[2]->PrintText(0);
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowItemChooser, request);
    if (answer.cancelled || answer.code < 0 || answer.code >= static_cast<int>(choices.size())) return cancelled();
    return choices[static_cast<size_t>(answer.code)];
}

// items, where: the empty list opens the menu at the pointer, [x y] at that point of the
// screen. The word "-" (and the empty word) is a separator line.
tlogoobject* popup(tPrimitiveCall& call)
{
    tPopupRequest request;
    std::vector<tlogoobject*> choices = choicesOf(call, request.items);
    for (std::string& text : request.items)
        if (text == "-") text.clear();
    if (!call[1]->IsList()) throw eLogoException(erExpectList, call[1]);
    if (!call[1]->IsEmpty()) {
        std::vector<int32_t> point;
        for (tlogoobject* coordinate : elements(static_cast<tLogoList*>(call[1]))) point.push_back(coordinate->AsInteger());
        if (point.size() != 2) throw eLogoException(erExpectPoint, call[1]);
        request.at = std::pair{point[0], point[1]};
    }
    if (choices.empty()) return cancelled();
    const tDialogAnswer answer = askIfShown(&tDialogFront::ShowPopup, request);
    if (answer.cancelled || answer.code < 0 || answer.code >= static_cast<int>(choices.size()) ||
        request.items[static_cast<size_t>(answer.code)].empty())
        return cancelled();
    return choices[static_cast<size_t>(answer.code)];
}

constexpr tPrimitiveRow kChooserRows[] = {
    {"openchooser", 3, kFixedInputs, &openchooser},
    {"savechooser", 3, kFixedInputs, &savechooser},
    {"savehtmlchooser", 3, kFixedInputs, &savehtmlchooser},
    {"openprojectchooser", 0, kFixedInputs, &openprojectchooser},
    {"saveprojectchooser", 0, kFixedInputs, &saveprojectchooser},
    {"savepicturechooser", 1, kFixedInputs, &savepicturechooser},
    {"loadpicturechooser", 1, kFixedInputs, &loadpicturechooser},
    {"loadpicturechooser1", 1, kFixedInputs, &loadpicturechooser1},
    {"loadimagechooser", 1, kFixedInputs, &loadimagechooser},
    {"wavechooser", 1, kFixedInputs, &wavechooser},
    {"colourchooser", 1, kFixedInputs, &colourchooser},
    {"chooser", 1, kVariableInputs, &chooser},
    {"popup", 2, kFixedInputs, &popup},
};

}  // namespace

void registerChooserPrimitives(tLogoTab& table) { registerPrimitives(table, kChooserRows); }
