#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class tLogoprocess;
class tlogoobject;

// The registry of live processes, in creation order. A process enters before its thread
// starts and leaves when its thread ends. The registry has its own lock, taken inside the
// interpreter lock or without it; nothing waits for a process while holding it.
class tallthreads {
public:
    static tallthreads& Instance();

    void Register(std::shared_ptr<tLogoprocess> process);
    void Unregister(const tLogoprocess* process);
    std::size_t Count();
    std::vector<std::shared_ptr<tLogoprocess>> Processes();

    // Stops every process but the caller and those whose names start with "%p%", and waits
    // until they have ended.
    void StopAll();
    // Stops and waits for every process of that name, one at a time; the caller is left
    // running. True when the caller itself has the name.
    bool StopByName(std::string_view name);
    bool Exists(std::string_view name);
    // The base when no process has it, else the base followed by the first free 1, 2, 3 ...
    std::string UniqueName(std::string_view base);
    // The names of all processes as a new list: the name value of those programs started,
    // the name as a word for the others. Under the interpreter lock.
    tlogoobject* Names();
    // Pauses every process, the caller included, at its next yield point.
    void PauseAll();
    void ResumeAll();
    // An object is being destroyed: cancels the completion routines that work on it (or on
    // what `belongsToObject` says is part of it), stops and waits for the other processes that
    // run in it, marks the caller when it runs in it itself, and takes it out of the receivers,
    // saved contexts and last-created object of the processes that remain. Under the
    // interpreter lock.
    void ForgetObject(const tlogoobject* object, const std::function<bool(const void*)>& belongsToObject = {});
    // At program exit: marks the program as closing, asks every process to stop and forgets
    // them all without waiting. Their threads end on their own or with the program.
    void KillAll();

private:
    tallthreads() = default;

    template <class Match>
    std::shared_ptr<tLogoprocess> LastMatching(Match match);
    // Stops and waits for up to `limit` processes that match, the last first, scanning the
    // list again after each. Each is stopped once: one that outlives stops stays listed.
    // Those in `alreadyStopped` are only waited for: stopping a typed-line runner again
    // would end the line after the one the stop was meant for.
    void StopAndWaitMatching(const std::function<bool(const tLogoprocess&)>& match,
                             std::size_t limit = SIZE_MAX,
                             std::vector<std::shared_ptr<tLogoprocess>> alreadyStopped = {});

    std::mutex guard;
    std::vector<std::shared_ptr<tLogoprocess>> processes;
};

// Process names are compared as Logo words; a name starting with the neutral marker is first
// translated to the current language.
std::string processNameForComparison(std::string_view name);
