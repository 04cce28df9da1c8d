#include "media/speech.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <string>

namespace {

std::mutex speechGuard;
tSpeechSynthesizerOpener opener;
std::unique_ptr<tSpeechSynthesizer> engine;
bool opened = false;

// Under speechGuard.
tSpeechSynthesizer* openedEngine()
{
    if (!opened && opener) engine = opener();
    opened = true;
    return engine.get();
}

// Names are compared without letter case and blanks: a name typed as a list comes back with
// blanks around its brackets and signs ("english ( great britain )").
std::string comparable(std::string_view name)
{
    std::string key;
    for (char c : name)
        if (c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

void setSpeechSynthesizerOpener(tSpeechSynthesizerOpener installed)
{
    std::lock_guard lock(speechGuard);
    opener = std::move(installed);
}

std::vector<tVoice> speechVoices()
{
    std::lock_guard lock(speechGuard);
    tSpeechSynthesizer* synthesizer = openedEngine();
    return synthesizer ? synthesizer->Voices() : std::vector<tVoice>();
}

bool chooseSpeechVoice(std::string_view name)
{
    const std::string wanted = comparable(name);
    std::lock_guard lock(speechGuard);
    tSpeechSynthesizer* synthesizer = openedEngine();
    if (!synthesizer || wanted.empty()) return false;
    const std::vector<tVoice> voices = synthesizer->Voices();
    for (const tVoice& voice : voices)
        if (comparable(voice.name) == wanted) return synthesizer->SetVoice(voice);
    // A language chooses the first voice whose own language it is, else the first that speaks it too.
    auto speaks = [&wanted](const tVoice& voice, bool ownOnly) {
        const auto end = ownOnly && !voice.languages.empty() ? voice.languages.begin() + 1 : voice.languages.end();
        return std::any_of(voice.languages.begin(), end, [&wanted](const std::string& language) { return comparable(language) == wanted; });
    };
    for (bool ownOnly : {true, false})
        for (const tVoice& voice : voices)
            if (speaks(voice, ownOnly)) return synthesizer->SetVoice(voice);
    return false;
}

std::shared_ptr<const tPcmSound> spokenSound(std::string_view text)
{
    std::lock_guard lock(speechGuard);
    tSpeechSynthesizer* synthesizer = openedEngine();
    if (!synthesizer) return nullptr;
    std::optional<tPcmSound> sound = synthesizer->Speak(text);
    return sound ? std::make_shared<const tPcmSound>(std::move(*sound)) : nullptr;
}

void closeSpeech()
{
    std::lock_guard lock(speechGuard);
    engine.reset();
    opened = false;
}
