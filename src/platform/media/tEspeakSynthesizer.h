#pragma once

#include <memory>

#include "media/tSpeechSynthesizer.h"

struct tEspeakLibrary;

// Speech through espeak-ng, made into memory (played like any other sound, through the one
// sound output). The engine is one per program: there is at most one of these.
class tEspeakSynthesizer : public tSpeechSynthesizer {
public:
    // None when espeak-ng or its voice data cannot be loaded.
    static std::unique_ptr<tEspeakSynthesizer> Open();

    std::vector<tVoice> Voices() override;
    bool SetVoice(const tVoice& voice) override;
    std::optional<tPcmSound> Speak(std::string_view text) override;

private:
    tEspeakSynthesizer(const tEspeakLibrary& library, int rate) : f(library), rate(rate) {}

    const tEspeakLibrary& f;
    const int rate;
};
