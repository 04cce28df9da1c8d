#include "platform/web/processTransfer.h"

#include "processes/interpreterRelease.h"
#include "processes/tLogoprocess.h"

#include <chrono>
#include <thread>

void resetTransferState(const char* direction)
{
    if (tLogoprocess* process = tLogoprocess::Current())
        process->transfer = {direction, 0, 0, {}};
}

tTransferResult runTransfer(const char* direction, tTransferOptions options,
                            const std::function<tTransferResult(const tTransferOptions&)>& transfer)
{
    resetTransferState(direction);
    tLogoprocess* process = tLogoprocess::Current();
    if (process) {
        options.progress = [process](int64_t expected, int64_t moved) {
            while (process->Paused() && !process->StopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (process->StopRequested())
                return false;
            RetakeInterpreter(false);
            process->transfer.expected = expected;
            process->transfer.moved = moved;
            ReleaseInterpreter(false);
            return true;
        };
    }
    tTransferResult result;
    withoutInterpreter([&] { result = transfer(options); });
    if (process && !result.contentType.empty())
        process->transfer.contentType = result.contentType;
    return result;
}

void withoutInterpreter(const std::function<void()>& work)
{
    ReleaseInterpreter(true);
    try {
        work();
    } catch (...) {
        RetakeInterpreter(false);
        throw;
    }
    RetakeInterpreter(true);
}
