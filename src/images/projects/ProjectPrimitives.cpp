#include "images/projects/ProjectPrimitives.h"

#include <memory>

#include "images/lgfChunks.h"
#include "images/lgfImages.h"
#include "images/projects/currentProject.h"
#include "images/projects/projectLoadState.h"
#include "images/projects/projectLoading.h"
#include "images/projects/projectSaving.h"
#include "images/projects/projectWriter.h"
#include "images/projects/saveOptions.h"
#include "images/projects/WorkspacePrimitives.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/startup/embeddedFiles.h"
#include "mainobj/startup/startupState.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tClipboard.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

std::unique_ptr<tStream> openedFile(const std::string& path, std::string_view name)
{
    try {
        return std::make_unique<tFileStream>(path, tFileStream::openRead);
    } catch (const eStreamError&) {
        throw eLogoException(erFileProblem, name);
    }
}

// Runs the named project; returns its resolved path.
std::string loadNamed(tPrimitiveCall& call)
{
    if (call.count() < 1)
        throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2)
        throw eLogoException(erTooManyInputs);
    const std::string& name = call.word(0);
    tProjectLoad load;
    if (call.count() == 2)
        load.parameters = call.list(1);
    load.echo = [](const std::string& line) { mainLogoObject().Write(line + "\r\n"); };
    if (namesClipboard(name)) {
        // The clipboard's project is no file: it does not become the current project.
        const std::string held = clipboard().Data(tClipboard::kProject);
        if (held.empty())
            throw eLogoException(erClipboard);
        tMemoryStream project(std::vector<uint8_t>(held.begin(), held.end()));
        load.fileName = name;
        loadProject(project, load);
        return {};
    }
    // "*name" is a file the program carries; its own start-up program is plain text.
    const bool embedded = namesEmbeddedFile(name);
    const std::string path = embedded ? name : resolveFileName(name, fkProject, {.search = true});
    load.fileName = path;
    load.plainText = embedded && startupProgramMode();
    const auto file = embedded ? openEmbeddedFile(name) : openedFile(path, name);
    loadProject(*file, load);
    return path;
}

tlogoobject* loadPrimitive(tPrimitiveCall& call)
{
    loadNamed(call);
    return nullptr;
}

tlogoobject* loadAsCurrent(tPrimitiveCall& call)
{
    setCurrentProjectFile("");
    setCurrentProjectFile(loadNamed(call));
    return nullptr;
}

// A project in place of the whole workspace. A clipboard without a project, or a file that holds
// no project of this language, is refused before anything is erased.
tlogoobject* loadproject(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    if (namesClipboard(name)) {
        if (clipboard().Data(tClipboard::kProject).empty())
            throw eLogoException(erClipboard);
    } else if (namesEmbeddedFile(name)) {
        openEmbeddedFile(name);
    } else {
        checkProjectContainer(*openedFile(resolveFileName(name, fkProject, {.search = true}), name));
    }
    eraseWorkspace();
    return loadAsCurrent(call);
}

tlogoobject* loadImageNumber(tPrimitiveCall& call) { return loadImage(call.integer(0)); }

tlogoobject* setLoadImage(tPrimitiveCall& call)
{
    if (!loadRunning())
        throw eLogoException(erWrongPlaceINI);
    const std::string path = resolveFileName(call.word(0), fkImage, {});
    tImageTable images;
    std::unique_ptr<tFileStream> file;
    try {
        file = std::make_unique<tFileStream>(path, tFileStream::openRead);
    } catch (const eStreamError&) {
        // A project whose image file is gone still loads, with default images.
    }
    if (file)
        images = readImageList(*file, chunkCount(*file, lpImageFile));
    setLoadImages(std::move(images));
    return nullptr;
}

// What a partial save names: objects as seen from the current object, and global variables as
// words starting with ":".
tSaveSelection selectionOf(tlogoobject* names)
{
    tSaveSelection selection;
    auto take = [&](tlogoobject* name) {
        if (auto* object = dynamic_cast<tmultiobject*>(name))
            return selection.objects.push_back(object);
        if (!name->IsWord())
            throw eLogoException(erBadStructure, names);
        const std::string& text = name->WordText();
        if (text.starts_with(":"))
            return selection.variables.push_back(nameCode(text.substr(1)));
        tmultiobject* object = resolveObjectPath(static_cast<tmultiobject*>(currentContext()->currentObject), text);
        if (!object)
            throw eLogoException(erNoObject, name);
        selection.objects.push_back(object);
    };
    if (names->IsList())
        for (tlogoobject* name : elements(static_cast<tLogoList*>(names)))
            take(name);
    else
        take(names);
    return selection;
}

// A full save, or with a second input a partial one; the wait cursor of ".save" belongs to the
// window.
tlogoobject* savePrimitive(tPrimitiveCall& call)
{
    if (call.count() < 1)
        throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2)
        throw eLogoException(erTooManyInputs);
    const std::string& name = call.word(0);
    if (namesClipboard(name)) {
        const tSaveSelection selection = call.count() == 2 ? selectionOf(call[1]) : tSaveSelection();
        const std::vector<uint8_t> project = workspaceProject(name, call.count() == 2 ? &selection : nullptr);
        clipboard().SetData(tClipboard::kProject, std::string(project.begin(), project.end()));
        return nullptr;
    }
    const std::string path = resolveFileName(name, fkProject, {});
    if (call.count() == 1) {
        saveProject(path);
        return nullptr;
    }
    const tSaveSelection selection = selectionOf(call[1]);
    saveProject(path, &selection);
    return nullptr;
}

// The objects every program has take back their saved state from a list keyed as the one of
// ".new.": property numbers, and names for own variables.
tlogoobject* setStoredState(tPrimitiveCall& call)
{
    auto* object = static_cast<tmultiobject*>(currentContext()->currentObject);
    applyPropertyPairs(*object, namedPropertyPairs(call.list(0)).get());
    return nullptr;
}

tlogoobject* setSaveOptions(tPrimitiveCall& call)
{
    storeSaveOptions(saveOptionsOf(call[0]));
    return nullptr;
}

const tPrimitiveRow kProjectRows[] = {
    {"load", 1, kVariableInputs, &loadPrimitive},
    {".load", 1, kFixedInputs, &loadAsCurrent},
    {"loadproject", 1, kFixedInputs, &loadproject},
    {".loadimage", 1, kFixedInputs, &loadImageNumber},
    {".setloadimage", 1, kFixedInputs, &setLoadImage},
    {".setsaveoptions", 1, kFixedInputs, &setSaveOptions},
    {".setstate.", 1, kFixedInputs, &setStoredState},
    {"save", 1, kVariableInputs, &savePrimitive},
    {".save", 1, kVariableInputs, &savePrimitive},
};

}  // namespace

void registerProjectPrimitives(tLogoTab& table) { registerPrimitives(table, kProjectRows); }
