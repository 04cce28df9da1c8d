#include "images/projects/projectLoading.h"

#include <optional>
#include <vector>

#include "images/lgfChunks.h"
#include "images/lgfImages.h"
#include "images/lgfText.h"
#include "images/projects/projectInstructions.h"
#include "images/projects/projectLoadState.h"
#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "language/StreamKeys.h"
#include "language/tStream.h"
#include "language/texecodedstream.h"
#include "objects/objectEvents.h"
#include "objects/eventNames.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

void refuseOtherLanguage(tStream& stream)
{
    const std::string language = readLanguageChunk(stream);
    if (language != "*" && !language.empty() && !sameWord(language, currentLanguage()))
        throw eLogoException(erUnsupportedLanguage, std::string_view(language));
}

// The container's images and text; a damaged container is no project.
std::string readContainer(tStream& stored, const tProjectLoad& load)
{
    const bool coded = load.coded;
    try {
        // The stored bytes are probed too, for an exported project written without the filter.
        if (!load.plainText)
            refuseOtherLanguage(stored);
        // The filter's key stream starts where the stored stream stands.
        seekTo(stored, 0);
        std::optional<texecodedstream> filter;
        tStream& stream = coded ? filter.emplace(stored, kProjectKey) : stored;
        if (coded && !load.plainText)
            refuseOtherLanguage(stream);
        const int32_t count = chunkCount(stream, lpProjectFile);
        if (count == 0 && checkLgfHeader(stream, lpProbe) == 0) {
            if (!load.plainText)
                throw eLogoException(erZembrixProject);
            seekTo(stream, 0);
            std::string text(size_t(stream.Size()), '\0');
            stream.ReadExact(text.data(), int64_t(text.size()));
            return text;
        }
        setLoadImages(readImageList(stream, count));
        const int32_t length = findTextChunk(stream, 0);
        // A packed text chunk is never written by this system.
        if (length <= 0)
            throw eLogoException(erZembrixProject);
        std::string text(size_t(length), '\0');
        stream.ReadExact(text.data(), length);
        return text;
    } catch (const eStreamError&) {
        throw eLogoException(erZembrixProject);
    }
}

void define(const tProjectInstructions& instructions, const tProjectLoad& load)
{
    tmultiobject* object = mainObject();
    const std::string& owner = instructions.definitionOwner();
    if (!owner.empty()) {
        object = resolveObjectPath(static_cast<tmultiobject*>(currentContext()->currentObject), owner);
        if (!object)
            throw eLogoException(erNoObject, std::string_view(owner));
    }
    const std::string& text = instructions.definitionText();
    DefineFromText(*object->procTable, load.plainText ? translateNeutral(text) : text);
}

void runInstruction(const tProjectInstructions& instructions, const std::string& instruction,
                    const tProjectLoad& load)
{
    try {
        if (instructions.isDefinition())
            define(instructions, load);
        else
            RunText(load.plainText ? translateNeutral(instruction) : instruction);
    } catch (const eTerminateException&) {
        throw;
    } catch (eLogoException& error) {
        if (error.fileText.empty())
            error.fileText = load.fileName;
        if (!load.ignoreErrors || !load.report)
            throw;
        load.report(error);
    } catch (const std::exception& error) {
        if (!load.ignoreErrors || !load.report)
            throw;
        load.report(error);
    }
}

void fireLoadEvents(tmultiobject* lastBefore)
{
    std::vector<tLogoRef<tmultiobject>> created;
    for (tmultiobject* object = lastBefore ? lastBefore->next : firstObject(); object; object = object->next)
        created.emplace_back(object);
    for (const auto& object : created)
        fireEvent(*object, eventCode(tEventKey::onLoad));
}

}  // namespace

void checkProjectContainer(tStream& stored)
{
    const std::string text = readContainer(stored, tProjectLoad{});
    // The text is split as loading splits it, without running anything.
    tProjectInstructions instructions(text, currentDefinitionWords());
    std::string instruction;
    while (instructions.Next(instruction)) {
    }
    seekTo(stored, 0);
}

void loadProject(tStream& stored, const tProjectLoad& load)
{
    tRunningLoad running(load.parameters);
    const std::string text = readContainer(stored, load);
    const auto verbose = loadParameter("verbose");
    const bool echo = load.echo && verbose && !verbose->IsList() && isTrueWord(verbose->WordView());
    tmultiobject* lastBefore = lastObject();
    tLogoRef<tmultiobject> keepLast(lastBefore);
    setNumberingMark();
    tProjectInstructions instructions(text, currentDefinitionWords());
    std::string instruction;
    while (instructions.Next(instruction)) {
        if (echo)
            load.echo(echoedInstruction(instruction));
        if (!skippedInstruction(instruction))
            runInstruction(instructions, instruction, load);
    }
    fireLoadEvents(lastBefore);
}
