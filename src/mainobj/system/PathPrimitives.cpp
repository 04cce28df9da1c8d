#include "mainobj/system/systemPrimitives.h"

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The search folders of the file kinds and the names they resolve.

namespace {

tFileKind kindNamed(tlogoobject* word)
{
    const int kind = word->IsWord() ? fileKindOfWord(word->WordText()) : -1;
    if (kind < 0) throw eLogoException(erDoesNotLike, word);
    return static_cast<tFileKind>(kind);
}

void atMostInputs(tPrimitiveCall& call, int most)
{
    if (call.count() > most) throw eLogoException(erTooManyInputs);
}

tlogoobject* expandfilename(tPrimitiveCall& call)
{
    return NewLiteralWord(resolveFileName(call.word(0), fkGeneral, {.search = true, .keepName = true}));
}

tlogoobject* loadpath(tPrimitiveCall& call)
{
    atMostInputs(call, 1);
    if (call.count() == 0) return NewLiteralWord(workFolder());
    return NewLiteralWord(resolveFileName(call.word(0), fkProject, {.search = true, .keepName = true}));
}

tlogoobject* setpath(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    atMostInputs(call, 2);
    const tFileKind kind = call.count() == 2 ? kindNamed(call[0]) : fkProject;
    tlogoobject* folders = call[call.count() - 1];
    std::vector<std::string> entries;
    if (!folders->IsList())
        entries.push_back(folders->PrintText(0));
    else
        for (tlogoobject* folder : elements(static_cast<tLogoList*>(folders))) entries.push_back(folder->PrintText(0));
    setSearchFolders(kind, entries);
    return nullptr;
}

tlogoobject* path(tPrimitiveCall& call)
{
    atMostInputs(call, 1);
    if (call.count() == 0) return NewLiteralWord(firstExistingFolder(fkProject));
    if (!call[0]->IsList()) return NewLiteralWord(firstExistingFolder(kindNamed(call[0])));
    tLogoList* list = static_cast<tLogoList*>(call[0]);
    if (list->Count() != 1) throw eLogoException(erDoesNotLike, list);
    tListBuilder folders;
    for (const std::string& folder : searchFolders(kindNamed(list->First()))) folders.Append(NewLiteralWord(folder));
    return folders.Take();
}

// Only a whole folder is removed: the rest must start at a folder boundary, and does not keep
// the separator.
tlogoobject* reducepath(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    std::string folder = call.word(1);
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    const bool starts = !folder.empty() && name.size() >= folder.size() &&
                        compareWords(std::string_view(name).substr(0, folder.size()), folder) == 0 &&
                        (name.size() == folder.size() || name[folder.size()] == '/');
    if (!starts) return call[0];
    return NewLiteralWord(name.substr(std::min(name.size(), folder.size() + 1)));
}

constexpr tPrimitiveRow kPathRows[] = {
    {"expandfilename", 1, kFixedInputs, &expandfilename},
    {"loadpath", 1, kVariableInputs, &loadpath},
    {"setpath", 1, kVariableInputs, &setpath},
    {"path", 0, kVariableInputs, &path},
    {"reducepath", 2, kFixedInputs, &reducepath},
};

}  // namespace

void registerPathPrimitives(tLogoTab& table) { registerPrimitives(table, kPathRows); }
