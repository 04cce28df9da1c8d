#include "platform/midi/tFluidSynthOutput.h"

#include <filesystem>

#include "platform/midi/fluidSynthLibrary.h"

namespace {

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};
constexpr int kPercussionChannel = 9;

// Every process plays on a channel of its own, the tenth included: a tenth player gets a
// melodic instrument like the others, not the drum kit General MIDI puts there.
void makeTenthChannelMelodic(const tFluidSynthLibrary& f, fluid_synth_t* synth)
{
    f.setChannelType(synth, kPercussionChannel, CHANNEL_TYPE_MELODIC);
    f.bankSelect(synth, kPercussionChannel, 0);
    f.programChange(synth, kPercussionChannel, 0);
}

}  // namespace

std::string tFluidSynthOutput::SoundFontPath()
{
    std::error_code failure;
    for (const char* path : kSoundFonts)
        if (std::filesystem::is_regular_file(path, failure)) return path;
    return {};
}

std::unique_ptr<tFluidSynthOutput> tFluidSynthOutput::Open(bool withAudioDriver)
{
    const tFluidSynthLibrary* f = fluidSynthLibrary();
    if (!f) return nullptr;
    const std::string font = SoundFontPath();
    if (font.empty()) return nullptr;
    std::unique_ptr<tFluidSynthOutput> output(new tFluidSynthOutput(*f));
    output->settings = f->newSettings();
    if (!output->settings) return nullptr;
    output->synth = f->newSynth(output->settings);
    if (!output->synth || f->soundFontLoad(output->synth, font.c_str(), 1) == FLUID_FAILED) return nullptr;
    makeTenthChannelMelodic(*f, output->synth);
    if (withAudioDriver) output->driver = f->newAudioDriver(output->settings, output->synth);
    return output;
}

tFluidSynthOutput::~tFluidSynthOutput()
{
    if (driver) f.deleteAudioDriver(driver);
    if (synth) f.deleteSynth(synth);
    if (settings) f.deleteSettings(settings);
}

void tFluidSynthOutput::NoteOn(int channel, int note, int velocity) { f.noteOn(synth, channel, note, velocity); }

// The synthesizer has no release velocity.
void tFluidSynthOutput::NoteOff(int channel, int note, int) { f.noteOff(synth, channel, note); }

void tFluidSynthOutput::ProgramChange(int channel, int program) { f.programChange(synth, channel, program); }

void tFluidSynthOutput::ControlChange(int channel, int controller, int value)
{
    f.controlChange(synth, channel, controller, value);
}

void tFluidSynthOutput::Reset()
{
    f.systemReset(synth);
    makeTenthChannelMelodic(f, synth);
}

std::vector<float> tFluidSynthOutput::Render(int frames)
{
    std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
    f.writeFloat(synth, frames, left.data(), 0, 1, right.data(), 0, 1);
    return left;
}

void startMidiOutput()
{
    setMidiOutputOpener([]() -> std::unique_ptr<tMidiOutput> { return tFluidSynthOutput::Open(); });
}
