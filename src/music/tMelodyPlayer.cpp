#include "music/tMelodyPlayer.h"

#include "music/melodyToken.h"
#include "music/tMidiChannels.h"
#include "music/waveFiles.h"
#include "values/eTerminateException.h"

namespace {

constexpr int kSilence = 128;

}  // namespace

tMelodyPlayer::tMelodyPlayer(tMidiChannels& channels, tNoteClock& clock)
    : channels(channels), clock(clock), channel(channels.Acquire()), state(sharedMusicState())
{
    channels.SetInstrument(channel, state.instrument);
}

tMelodyPlayer::~tMelodyPlayer() { channels.Release(channel); }

void tMelodyPlayer::PlayToken(std::string_view token)
{
    const tMelodyStep step = readMelodyToken(token, state);
    Publish();
    switch (step.kind) {
    case tMelodyStep::kNote:
        if (channels.OutputOpen() && state.instrument != tMusicState::kNoInstrument)
            Sound({step.note}, step.milliseconds);
        break;
    case tMelodyStep::kPause:
        Rest(step.milliseconds);
        break;
    case tMelodyStep::kInstrument:
        if (channels.OutputOpen()) SetInstrument(step.value);
        break;
    case tMelodyStep::kVolume:
        if (channels.OutputOpen()) {
            state.volume = step.value;
            Publish();
        }
        break;
    case tMelodyStep::kWave:
        SoundWave(step.file);
        break;
    case tMelodyStep::kNothing:
        break;
    }
}

void tMelodyPlayer::Sound(const std::vector<int>& notes, int32_t milliseconds)
{
    std::vector<int> sounding;
    if (state.instrument != tMusicState::kNoInstrument)
        for (int note : notes)
            if (note != kSilence) sounding.push_back(note);
    for (int note : sounding) channels.NoteOn(channel, note, state.volume);
    const tNoteClock::tWaitEnd end = clock.Wait(milliseconds);
    // Notes end even when a stop cut the wait short: a note left on would sound for ever.
    for (int note : sounding) channels.NoteOff(channel, note, state.volume);
    if (end == tNoteClock::kStopped) throw eStopPlayException();
    if (clock.StopRequested()) throw eTerminateException();
}

void tMelodyPlayer::SoundWave(std::string_view file)
{
    const tWaveSounder& sounder = waveSounder();
    if (!sounder) {
        Rest(waveFileMilliseconds(file));
        return;
    }
    if (sounder(file)) throw eStopPlayException();
    if (clock.StopRequested()) throw eTerminateException();
}

void tMelodyPlayer::Rest(int32_t milliseconds) { Sound({}, milliseconds); }

void tMelodyPlayer::SetInstrument(int program)
{
    state.instrument = program;
    channels.SetInstrument(channel, program);
    Publish();
}
