#pragma once

// The start-up parameters a program carries as the embedded file "*params.txt"
// (coded with the embedded-data key). Fields after the interface language belong to export.

#include "language/StreamKeys.h"
#include "language/tEmbeddedDirectory.h"
#include "language/tStream.h"

#include <optional>
#include <string>

struct tStartupParams {
    int32_t reserved = 0;
    uint8_t severalCopies = 1;     // 0: hand the command line to a running copy and stop
    uint32_t projectKey = kProjectKey;
    int32_t instanceId = 0;        // identifies the hand-over message between copies
    uint8_t reservedFlag1 = 0;
    uint8_t reservedFlag2 = 0;
    std::string interfaceLanguage;

    // Raises eStreamError when the stream ends early.
    static tStartupParams Read(tStream& stream);
    void Write(tStream& stream) const;
};

inline constexpr const char* kStartupParamsName = "*params.txt";

// The parameters embedded in that program file; nullopt when it has none or they are unreadable.
std::optional<tStartupParams> embeddedStartupParams(const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());
