#pragma once

#include "platform/web/webTransfers.h"

#include <functional>

// The calling process's transfer state at the start of an operation and of each of its files:
// the direction, nothing expected or moved yet, no content type.
void resetTransferState(const char* direction);

// Runs one transfer without the interpreter lock. The calling process's transfer state
// (direction, expected total, bytes moved) follows every block; a pause holds the transfer, a
// stop ends it and then the process.
tTransferResult runTransfer(const char* direction, tTransferOptions options,
                            const std::function<tTransferResult(const tTransferOptions&)>& transfer);

// Runs `work` without the interpreter lock (a server is waited for); a stop request that came
// meanwhile ends the process once the lock is back.
void withoutInterpreter(const std::function<void()>& work);
