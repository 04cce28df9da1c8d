#include "processes/tallthreads.h"

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/programClosing.h"
#include "processes/tLogouserProcess.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

#include <algorithm>

namespace {

constexpr char kNeutralMarker = '\xB7';
constexpr std::string_view kSparedByStopAll = "%p%";

// The list without the object; the list itself when it does not hold it.
tLogoRef<tlogoobject> withoutObject(const tLogoRef<tlogoobject>& list, const tlogoobject* object)
{
    if (!list || !list->IsList())
        return list;
    auto* cells = static_cast<tLogoList*>(list.get());
    bool holds = false;
    for (tlogoobject* element : elements(cells))
        holds |= element == object;
    if (!holds)
        return list;
    tListBuilder kept;
    for (tlogoobject* element : elements(cells)) {
        if (element != object)
            kept.Append(element);
    }
    return tLogoRef<tlogoobject>(kept.Take());
}

void forgetInContext(tProcessContext& context, const tlogoobject* object)
{
    if (context.lastCreated == object)
        context.lastCreated = nullptr;
    context.receivers = withoutObject(context.receivers, object);
    for (tAskFrame& frame : context.askStack) {
        if (frame.currentObject == object)
            frame.currentObject = nullptr;
        frame.receivers = withoutObject(frame.receivers, object);
    }
}

}  // namespace

std::string processNameForComparison(std::string_view name)
{
    if (!name.empty() && name.front() == kNeutralMarker)
        return translateNeutral(name);
    return std::string(name);
}

tallthreads& tallthreads::Instance()
{
    // Never destroyed: process threads may still leave it while the program exits.
    static tallthreads* registry = new tallthreads;
    return *registry;
}

void tallthreads::Register(std::shared_ptr<tLogoprocess> process)
{
    std::lock_guard<std::mutex> hold(guard);
    processes.push_back(std::move(process));
}

void tallthreads::Unregister(const tLogoprocess* process)
{
    std::shared_ptr<tLogoprocess> leaving;  // freed after the registry lock is let go
    std::lock_guard<std::mutex> hold(guard);
    auto found = std::find_if(processes.begin(), processes.end(),
                              [process](const auto& entry) { return entry.get() == process; });
    if (found != processes.end()) {
        leaving = std::move(*found);
        processes.erase(found);
    }
}

std::size_t tallthreads::Count()
{
    std::lock_guard<std::mutex> hold(guard);
    return processes.size();
}

std::vector<std::shared_ptr<tLogoprocess>> tallthreads::Processes()
{
    std::lock_guard<std::mutex> hold(guard);
    return processes;
}

template <class Match>
std::shared_ptr<tLogoprocess> tallthreads::LastMatching(Match match)
{
    std::lock_guard<std::mutex> hold(guard);
    auto found = std::find_if(processes.rbegin(), processes.rend(),
                              [&](const auto& entry) { return match(*entry); });
    return found == processes.rend() ? nullptr : *found;
}

void tallthreads::StopAll()
{
    const tLogoprocess* caller = tLogoprocess::Current();
    auto isTarget = [caller](const tLogoprocess& process) {
        return &process != caller && !process.Name().starts_with(kSparedByStopAll);
    };
    std::vector<std::shared_ptr<tLogoprocess>> asked;
    for (const auto& process : Processes()) {
        if (isTarget(*process)) {
            process->Stop();
            asked.push_back(process);
        }
    }
    // Bounded by the count at the start, so processes started meanwhile cannot keep this going.
    const std::size_t rounds = asked.size();
    StopAndWaitMatching(isTarget, rounds, std::move(asked));
}

void tallthreads::StopAndWaitMatching(const std::function<bool(const tLogoprocess&)>& match, std::size_t limit,
                                      std::vector<std::shared_ptr<tLogoprocess>> alreadyStopped)
{
    auto asked = [&](const tLogoprocess& process) {
        return std::any_of(alreadyStopped.begin(), alreadyStopped.end(),
                           [&](const auto& entry) { return entry.get() == &process; });
    };
    std::vector<std::shared_ptr<tLogoprocess>> stopped;
    auto notYetStopped = [&](const tLogoprocess& process) {
        return match(process) && std::none_of(stopped.begin(), stopped.end(),
                                              [&](const auto& done) { return done.get() == &process; });
    };
    for (; limit > 0; --limit) {
        std::shared_ptr<tLogoprocess> last = LastMatching(notYetStopped);
        if (!last)
            break;
        stopped.push_back(last);
        if (asked(*last))
            last->WaitUntilStopped();
        else
            last->StopAndWait();
    }
}

bool tallthreads::StopByName(std::string_view name)
{
    const tLogoprocess* caller = tLogoprocess::Current();
    const std::string wanted = processNameForComparison(name);
    bool callerHasName = caller != nullptr && sameWord(caller->Name(), wanted);
    auto isTarget = [&](const tLogoprocess& process) {
        return &process != caller && sameWord(process.Name(), wanted);
    };
    StopAndWaitMatching(isTarget);
    return callerHasName;
}

bool tallthreads::Exists(std::string_view name)
{
    const std::string wanted = processNameForComparison(name);
    return LastMatching([&](const tLogoprocess& process) { return sameWord(process.Name(), wanted); }) != nullptr;
}

std::string tallthreads::UniqueName(std::string_view base)
{
    std::lock_guard<std::mutex> hold(guard);
    auto taken = [&](const std::string& candidate) {
        return std::any_of(processes.begin(), processes.end(),
                           [&](const auto& process) { return sameWord(process->Name(), candidate); });
    };
    std::string candidate(base);
    for (int suffix = 1; taken(candidate); ++suffix)
        candidate = std::string(base) + std::to_string(suffix);
    return candidate;
}

tlogoobject* tallthreads::Names()
{
    tListBuilder names;
    for (const auto& process : Processes()) {
        if (auto* started = dynamic_cast<const tLogouserProcess*>(process.get()))
            names.Append(started->NameValue());
        else
            names.Append(NewWord(process->Name()));
    }
    return names.Take();
}

void tallthreads::PauseAll()
{
    for (const auto& process : Processes())
        process->Pause();
}

void tallthreads::ResumeAll()
{
    for (const auto& process : Processes())
        process->Resume();
}

void tallthreads::ForgetObject(const tlogoobject* object, const std::function<bool(const void*)>& belongsToObject)
{
    auto worksOnObject = [&](const void* data) {
        return data == object || (belongsToObject && belongsToObject(data));
    };
    for (const auto& process : Processes())
        process->ForgetCompletion(worksOnObject);
    // A process must not go on running in a destroyed object, whatever its completion was.
    tLogoprocess* caller = tLogoprocess::Current();
    auto runsIn = [object](const tLogoprocess& process) {
        return process.StartObject() == object || process.CurrentObject() == object;
    };
    if (caller != nullptr && runsIn(*caller))
        caller->ownObjectDestroyed = true;
    StopAndWaitMatching([&](const tLogoprocess& process) { return &process != caller && runsIn(process); });
    for (const auto& process : Processes()) {
        if (tProcessContext* context = process->Context())
            forgetInContext(*context, object);
    }
}

void tallthreads::KillAll()
{
    // The window thread serves no completion routines any more.
    setProgramClosing(true);
    std::vector<std::shared_ptr<tLogoprocess>> all;
    {
        std::lock_guard<std::mutex> hold(guard);
        all.swap(processes);
    }
    for (const auto& process : all)
        process->Stop();
}
