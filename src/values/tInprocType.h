#pragma once

#include <cstdint>

// The kind of context an error was raised in; picks the caption of the error report.
enum tInprocType : uint8_t {
    ipNone = 0,
    ipProc,
    ipEvent,
    ipMenu,
    ipMCINotify,
    ipVoiceMenu,
    ipKeyMenu,
    ipNetworkRun,
    ipInitialLoad,
    ipINILoad,
    ipLaunch,
    ipForever,
    ipTreeAction,
    ipEvery,
    ipAfter,
    ipAutoDrag,
    ipClearClick,
    ipStartup,
    ipCleaning,
    ipCode,
    ipLoadFile,
};
