#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/tPcmSound.h"

struct tVoice {
    std::string name;                    // "English (Great Britain)"
    std::vector<std::string> languages;  // "en-gb", "en"; the first is its own
};

// The platform's text-to-speech engine: its voices, the voice it speaks with, and the sound of a
// text (words in the language's code page). media/ keeps one and calls it under its own lock.
class tSpeechSynthesizer {
public:
    virtual ~tSpeechSynthesizer() = default;
    virtual std::vector<tVoice> Voices() = 0;
    // false when the engine refuses the voice.
    virtual bool SetVoice(const tVoice& voice) = 0;
    // None when the engine fails.
    virtual std::optional<tPcmSound> Speak(std::string_view text) = 0;
};

// Opens the platform's engine; none when there is none. Installed once at start-up by the
// platform, called on the first use of speech.
using tSpeechSynthesizerOpener = std::function<std::unique_ptr<tSpeechSynthesizer>()>;
void setSpeechSynthesizerOpener(tSpeechSynthesizerOpener opener);
