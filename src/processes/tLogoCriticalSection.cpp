#include "processes/tLogoCriticalSection.h"

#include "language/Language.h"
#include "processes/interpreterRelease.h"
#include "processes/tLogoprocess.h"
#include "values/eTerminateException.h"

#include <deque>
#include <mutex>

tLogoCriticalSection& tLogoCriticalSection::Named(std::string_view name)
{
    static std::mutex guard;
    static std::deque<tLogoCriticalSection> sections;  // a deque keeps handed-out sections in place
    std::lock_guard<std::mutex> hold(guard);
    for (auto& section : sections) {
        if (sameWord(section.name, name))
            return section;
    }
    return sections.emplace_back(std::string(name));
}

void tLogoCriticalSection::Enter(tLogoprocess* caller)
{
    ReleaseInterpreter(false);
    // The stop signal comes first, so a stopped process never takes the section.
    bool stopped = caller != nullptr ? tSyncEvent::WaitForAny({&caller->stopSignal, &free}) == 0 : !free.Wait();
    RetakeInterpreter(false);
    if (stopped)
        throw eTerminateException();
}
