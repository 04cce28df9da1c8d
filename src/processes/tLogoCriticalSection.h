#pragma once

#include "processes/tSyncEvent.h"

#include <string>
#include <string_view>

class tLogoprocess;

// A named section of "runcritical": at most one process is inside a section of a given name.
// Sections are made on first use and live as long as the program; names are compared as words.
class tLogoCriticalSection {
public:
    static tLogoCriticalSection& Named(std::string_view name);

    // Waits, with the interpreter lock given up, until the caller owns the section; a stop
    // request to the calling process wins and ends it with eTerminateException. A caller that
    // is no process just waits.
    void Enter(tLogoprocess* caller);
    void Leave() { free.Set(); }

    const std::string& Name() const { return name; }

    explicit tLogoCriticalSection(std::string name) : name(std::move(name)) {}

private:
    const std::string name;
    tSyncEvent free{tSyncEvent::kAutoReset, true};
};
