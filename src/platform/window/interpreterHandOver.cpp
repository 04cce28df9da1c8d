#include "platform/window/interpreterHandOver.h"

#include "processes/tLogoprocess.h"

bool runUnderInterpreter(const std::string& processName, std::function<void()> routine)
{
    tProcessStart start;
    start.name = processName;
    start.kind = ipEvent;
    start.completion = {std::move(routine), nullptr};
    try {
        tLogoprocess::Start<tLogoprocess>(std::move(start));
        return true;
    } catch (...) {
        return false;
    }
}
