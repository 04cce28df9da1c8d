#include "music/tMidiChannels.h"

#include "music/tMusicState.h"
#include "values/eLogoException.h"

namespace {

constexpr int kOmniOn = 0x7D;
constexpr int kPolyOn = 0x7F;

}  // namespace

void setMidiOutputOpener(tMidiOutputOpener opener) { tMidiChannels::Instance().SetOpener(std::move(opener)); }

tMidiChannels& tMidiChannels::Instance()
{
    static tMidiChannels channels;
    return channels;
}

tMidiChannels::tMidiChannels() { instruments.fill(0); }

void tMidiChannels::SetOpener(tMidiOutputOpener newOpener)
{
    std::lock_guard<std::mutex> lock(guard);
    opener = std::move(newOpener);
}

void tMidiChannels::OpenOutput()
{
    if (output || !opener) return;
    output = opener();
    if (!output) return;
    output->Reset();
    for (int channel = 0; channel < kChannels; ++channel)
        if (!taken[channel] && instruments[channel] != tMusicState::kNoInstrument)
            output->ProgramChange(channel, instruments[channel]);
}

int tMidiChannels::Acquire()
{
    std::lock_guard<std::mutex> lock(guard);
    int channel = 0;
    while (channel < kChannels && taken[channel]) ++channel;
    if (channel == kChannels) throw eLogoException(erFreeChannel);
    taken[channel] = true;
    ++users;
    OpenOutput();
    if (output) {
        output->ControlChange(channel, kOmniOn, 0);
        output->ControlChange(channel, kPolyOn, 0);
    }
    return channel;
}

void tMidiChannels::Release(int channel)
{
    std::lock_guard<std::mutex> lock(guard);
    if (channel < 0 || channel >= kChannels || !taken[channel]) return;
    taken[channel] = false;
    if (--users == 0) output.reset();
}

bool tMidiChannels::OutputOpen() const
{
    std::lock_guard<std::mutex> lock(guard);
    return output != nullptr;
}

void tMidiChannels::NoteOn(int channel, int note, int velocity)
{
    std::lock_guard<std::mutex> lock(guard);
    if (output) output->NoteOn(channel, note, velocity);
}

void tMidiChannels::NoteOff(int channel, int note, int velocity)
{
    std::lock_guard<std::mutex> lock(guard);
    if (output) output->NoteOff(channel, note, velocity);
}

void tMidiChannels::SetInstrument(int channel, int program)
{
    std::lock_guard<std::mutex> lock(guard);
    instruments[channel] = program;
    if (output && program != tMusicState::kNoInstrument) output->ProgramChange(channel, program);
}
