#pragma once

#include <cstdint>
#include <string>

#include "language/StreamKeys.h"
#include "language/tEmbeddedDirectory.h"

class tStream;

// The start-up parameters a program file carries as the embedded file "*params.txt". A block
// that is missing or ends early is no error: the fields read keep their values, the others
// their defaults.
struct tParameterBlock {
    bool severalCopies = false;  // false: the program runs as a single copy
    uint32_t projectKey = kProjectKey;
    int32_t instanceId = 0;      // what the single-copy hand-over compares
    bool speechOutput = true;
    bool debug = false;          // the splash form is an ordinary window, not a top-most one
    std::string interfaceLanguage;
    bool speechRecognition = true;
};

// Fields in this order: int32 (unused), u8 several copies, int32 project key, int32 instance
// identifier, u8 speech output, u8 debug, int32 length and the bytes of the interface
// language, u8 speech recognition (which, when set, also switches speech output on).
tParameterBlock readParameterBlock(tStream& stream);

tParameterBlock embeddedParameterBlock(const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());
