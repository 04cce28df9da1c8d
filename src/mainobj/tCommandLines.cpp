#include "mainobj/tCommandLines.h"

#include <chrono>
#include <cstdio>

#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/commandTiming.h"
#include "objects/destroyedObjects.h"
#include "objects/objectNames.h"
#include "objects/objectList.h"
#include "objects/tmultiobject.h"
#include "processes/tCommander.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

constexpr const char* kBlanks = " \t\r\n";

std::string firstWord(const std::string& line)
{
    size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string::npos) return {};
    size_t end = line.find_first_of(kBlanks, start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string trimmed(const std::string& line)
{
    size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string::npos) return {};
    return line.substr(start, line.find_last_not_of(kBlanks) - start + 1);
}

bool isToWord(const std::string& word) { return isWord("other", "to", word); }

std::string elapsedText(std::chrono::steady_clock::duration elapsed)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f",
                  std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 1000.0);
    return uiString("strings", "time") + " " + seconds;
}

}  // namespace

void tCommandLines::Feed(const std::string& line)
{
    if (collecting_) {
        definition_ += line + "\r\n";
        if (isWord("other", "end", trimmed(line))) Define();
        return;
    }
    std::string word = firstWord(line);
    // Comment lines are left out here as in procedure texts and projects.
    if (word.starts_with(';')) return;
    // "a'b'to": the owner is everything before the last apostrophe.
    size_t apostrophe = word.rfind('\'');
    std::string target = apostrophe == std::string::npos ? std::string() : word.substr(0, apostrophe);
    if (isToWord(apostrophe == std::string::npos ? word : word.substr(apostrophe + 1))) {
        collecting_ = true;
        target_ = target;
        // The object prefix is not part of the definition text.
        definition_ = target.empty() ? line : trimmed(line).substr(apostrophe + 1);
        definition_ += "\r\n";
        return;
    }
    RunLine(line);
}

void tCommandLines::Finish()
{
    if (collecting_) Define();
}

void tCommandLines::Define()
{
    collecting_ = false;
    std::string text = std::move(definition_);
    definition_.clear();
    try {
        tmultiobject* object = mainObject();
        if (!target_.empty()) {
            object = resolveObjectPath(static_cast<tmultiobject*>(currentContext()->currentObject), target_);
            if (!object) throw eLogoException(erNoObject, std::string_view(target_));
        }
        DefineFromText(*object->procTable, text);
    } catch (const eLogoException& error) {
        commander_.ShowError(error);
    }
}

void tCommandLines::RunLine(const std::string& line)
{
    auto start = std::chrono::steady_clock::now();
    bool completed = RunReporting(line);
    releaseDestroyedObjects();
    if (completed && commandTimingOn()) commander_.Print(elapsedText(std::chrono::steady_clock::now() - start));
}

bool tCommandLines::RunReporting(const std::string& line)
{
    try {
        RunText(line);
        return true;
    } catch (const eTerminateException& exit) {
        // "throw "toplevel" ends the line quietly, and so does erasing the object the line was
        // running in; a stop request ends the process, unless the process outlives stops.
        tLogoprocess* process = tLogoprocess::Current();
        bool ownObjectErased = process && process->ownObjectDestroyed.exchange(false) && !process->StopRequested();
        bool lineStopped = process && process->OutlivesStops();
        if (exit.flag != 1 && !ownObjectErased && !lineStopped) throw;
    } catch (const std::exception& error) {
        commander_.ShowError(error);
    }
    return false;
}
