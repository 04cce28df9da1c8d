#include "mainobj/system/systemPrimitives.h"

#include <filesystem>

#include "language/ProgramFile.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/fileWildcards.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/system/tRemoteFiles.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Files and folders: questions, erasing, renaming, creating and listing. Each changing
// operation comes as a command that fails with its error key and as a "?" form that outputs
// whether it succeeded. FTP addresses go to the remote side instead of the disk.

namespace {

namespace fs = std::filesystem;

constexpr tResolveFlags kExistingName{.search = true, .keepName = true};

bool isFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

tlogoobject* filep(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return NewBoolean(remote->fileExists(call.word(0)));
    return NewBoolean(isFile(resolveFileName(call.word(0), fkProject, kExistingName)));
}

tlogoobject* folderp(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return NewBoolean(remote->folderExists(call.word(0)));
    return NewBoolean(isFolder(resolveFileName(call.word(0), fkGeneral, {.keepName = true})));
}

// The running program's own file is never erased, so that a wild card over the program folder
// (the last search folder of projects) cannot take it away.
bool eraseOneFile(const std::string& path)
{
    std::error_code error;
    if (!isFile(path) || fs::equivalent(path, programPath(), error)) return false;
    return fs::remove(path, error);
}

// A name with wild cards erases every file it matches; one that matches none erases nothing.
bool eraseNamedFiles(tlogoobject* name)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    if (tRemoteFiles* remote = remoteFilesFor(name->WordText())) return remote->eraseFiles(name->WordText());
    const std::string path = resolveFileName(name->WordText(), fkProject, kExistingName);
    const tPathParts parts = splitPath(path);
    if (!hasWildcards(parts.file)) return eraseOneFile(path);
    bool erased = true;
    for (const std::string& file : matchingEntries(parts.folder, parts.file, false))
        erased = eraseOneFile(parts.folder + file) && erased;
    return erased;
}

bool eraseFiles(tPrimitiveCall& call)
{
    if (!call[0]->IsList()) return eraseNamedFiles(call[0]);
    bool erased = true;
    for (tlogoobject* name : elements(static_cast<tLogoList*>(call[0]))) erased = eraseNamedFiles(name) && erased;
    return erased;
}

// A new name without a folder stays in the folder of the old file. An existing file of the new
// name is never replaced.
bool renameFile(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return remote->renameFile(call.word(0), call.word(1));
    const std::string from = resolveFileName(call.word(0), fkProject, {.search = true});
    const std::string& newName = call.word(1);
    const std::string to = saysWhere(newName) ? resolveFileName(newName, fkProject, {.keepName = true})
                                              : splitPath(from).folder + newName;
    std::error_code error;
    if (!isFile(from) || fs::exists(to, error)) return false;
    fs::rename(from, to, error);
    return !error;
}

bool eraseFolder(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return remote->removeFolder(call.word(0));
    const std::string path = resolveFileName(call.word(0), fkGeneral, {.keepName = true});
    std::error_code error;
    return isFolder(path) && fs::remove(path, error);
}

bool createFolder(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) return remote->createFolder(call.word(0));
    std::error_code error;
    return fs::create_directory(resolveFileName(call.word(0), fkGeneral, {.keepName = true}), error);
}

template <bool (*operation)(tPrimitiveCall&), errorConst key>
tlogoobject* orFail(tPrimitiveCall& call)
{
    if (operation(call)) return nullptr;
    if (call.count() == 1) throw eLogoException(key, call[0]);
    tListBuilder names;
    for (int i = 0; i < call.count(); ++i) names.Append(call[i]);
    throw eLogoException(key, names.Take());
}

template <bool (*operation)(tPrimitiveCall&)>
tlogoobject* succeeded(tPrimitiveCall& call)
{
    return NewBoolean(operation(call));
}

// The names of the remote entries that are folders, or that are not; none when the remote
// folder cannot be listed, as for a local folder that is missing.
void appendRemoteEntries(tListBuilder& list, tRemoteFiles& remote, const std::string& name, bool folders)
{
    for (const tRemoteEntry& entry : remote.list(name).value_or(std::vector<tRemoteEntry>()))
        if (entry.folder == folders) list.Append(NewLiteralWord(entry.name));
}

void appendFilesNamed(tListBuilder& list, tlogoobject* name, tFileKind kind)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    if (tRemoteFiles* remote = remoteFilesFor(name->WordText()))
        return appendRemoteEntries(list, *remote, name->WordText(), false);
    const std::string path = resolveFileName(name->WordText(), kind, kExistingName);
    tPathParts parts = isFolder(path) ? tPathParts{path + "/", "*"} : splitPath(path);
    for (const std::string& file : matchingEntries(parts.folder, parts.file, false)) list.Append(NewLiteralWord(file));
}

tlogoobject* filelist(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2) throw eLogoException(erTooManyInputs);
    tFileKind kind = fkGeneral;
    if (call.count() == 2) {
        const int named = fileKindOfWord(call.word(1));
        if (named < 0) throw eLogoException(erDoesNotLike, call[1]);
        kind = static_cast<tFileKind>(named);
    }
    tListBuilder list;
    if (!call[0]->IsList())
        appendFilesNamed(list, call[0], kind);
    else
        for (tlogoobject* name : elements(static_cast<tLogoList*>(call[0]))) appendFilesNamed(list, name, kind);
    return list.Take();
}

tlogoobject* folderlist(tPrimitiveCall& call)
{
    if (tRemoteFiles* remote = remoteFilesFor(call.word(0))) {
        tListBuilder list;
        appendRemoteEntries(list, *remote, call.word(0), true);
        return list.Take();
    }
    const std::string path = resolveFileName(call.word(0), fkGeneral, {.keepName = true});
    tPathParts parts = isFolder(path) ? tPathParts{path + "/", "*"} : splitPath(path);
    tListBuilder list;
    for (const std::string& folder : matchingEntries(parts.folder, parts.file, true)) list.Append(NewLiteralWord(folder));
    return list.Take();
}

constexpr tPrimitiveRow kFileRows[] = {
    {"file?", 1, kFixedInputs, &filep},
    {"folder?", 1, kFixedInputs, &folderp},
    {"erasefile", 1, kFixedInputs, &orFail<eraseFiles, erFileErase>},
    {"erasefile?", 1, kFixedInputs, &succeeded<eraseFiles>},
    {"renamefile", 2, kFixedInputs, &orFail<renameFile, erFileRename>},
    {"renamefile?", 2, kFixedInputs, &succeeded<renameFile>},
    {"filelist", 1, kVariableInputs, &filelist},
    {"folderlist", 1, kFixedInputs, &folderlist},
    {"erasefolder", 1, kFixedInputs, &orFail<eraseFolder, erFolderErase>},
    {"erasefolder?", 1, kFixedInputs, &succeeded<eraseFolder>},
    {"createfolder", 1, kFixedInputs, &orFail<createFolder, erFolderCreate>},
    {"createfolder?", 1, kFixedInputs, &succeeded<createFolder>},
};

}  // namespace

void registerFilePrimitives(tLogoTab& table) { registerPrimitives(table, kFileRows); }
