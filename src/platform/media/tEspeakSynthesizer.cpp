#include "platform/media/tEspeakSynthesizer.h"

#include <cstring>
#include <string>

#include "platform/media/espeakLibrary.h"

namespace {

// Sound arrives in pieces while espeak_Synth runs; the events carry the vector it goes to.
int collect(short* samples, int count, espeak_EVENT* events)
{
    auto* sound = static_cast<tPcmSound*>(events->user_data);
    if (samples && count > 0 && sound) sound->samples.insert(sound->samples.end(), samples, samples + count);
    return 0;
}

// The engine's state is global: it is set up once, its sample rate kept (0: it failed).
int initialized(const tEspeakLibrary& f)
{
    static const int rate = [&f] {
        const int answer = f.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (answer <= 0) return 0;
        f.setSynthCallback(&collect);
        return answer;
    }();
    return rate;
}

}  // namespace

std::unique_ptr<tEspeakSynthesizer> tEspeakSynthesizer::Open()
{
    const tEspeakLibrary* f = espeakLibrary();
    if (!f) return nullptr;
    const int rate = initialized(*f);
    if (rate == 0) return nullptr;
    return std::unique_ptr<tEspeakSynthesizer>(new tEspeakSynthesizer(*f, rate));
}

std::vector<tVoice> tEspeakSynthesizer::Voices()
{
    std::vector<tVoice> voices;
    const espeak_VOICE** listed = f.listVoices(nullptr);
    for (int i = 0; listed && listed[i]; ++i) {
        tVoice voice{listed[i]->name ? listed[i]->name : "", {}};
        // Each language is a priority byte and a terminated name; a priority of 0 ends the list.
        for (const char* language = listed[i]->languages; language && *language; language += std::strlen(language + 1) + 2)
            voice.languages.emplace_back(language + 1);
        voices.push_back(std::move(voice));
    }
    return voices;
}

bool tEspeakSynthesizer::SetVoice(const tVoice& voice) { return f.setVoiceByName(voice.name.c_str()) == EE_OK; }

std::optional<tPcmSound> tEspeakSynthesizer::Speak(std::string_view text)
{
    tPcmSound sound;
    sound.rate = rate;
    sound.channels = 1;
    const std::string terminated(text);
    // Words are single bytes of the language's code page, which the Latin voices read as such.
    if (f.synth(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_8BIT, nullptr, &sound) != EE_OK)
        return std::nullopt;
    return sound;
}
