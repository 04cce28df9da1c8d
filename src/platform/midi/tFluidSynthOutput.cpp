#include "platform/midi/tFluidSynthOutput.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <filesystem>

namespace {

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};
constexpr int kPercussionChannel = 9;

// Every process plays on a channel of its own, the tenth included: a tenth player gets a
// melodic instrument like the others, not the drum kit General MIDI puts there.
void makeTenthChannelMelodic(fluid_synth_t* synth)
{
    fluid_synth_set_channel_type(synth, kPercussionChannel, CHANNEL_TYPE_MELODIC);
    fluid_synth_bank_select(synth, kPercussionChannel, 0);
    fluid_synth_program_change(synth, kPercussionChannel, 0);
}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// A failing driver probe on a machine without sound must not litter the console.
void quietLibraries()
{
    static const bool quieted = [] {
        snd_lib_error_set_handler(&quietAlsa);
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)quieted;
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
    quietLibraries();
    const std::string font = SoundFontPath();
    if (font.empty()) return nullptr;
    std::unique_ptr<tFluidSynthOutput> output(new tFluidSynthOutput);
    output->settings = new_fluid_settings();
    if (!output->settings) return nullptr;
    output->synth = new_fluid_synth(output->settings);
    if (!output->synth || fluid_synth_sfload(output->synth, font.c_str(), 1) == FLUID_FAILED) return nullptr;
    makeTenthChannelMelodic(output->synth);
    if (withAudioDriver) output->driver = new_fluid_audio_driver(output->settings, output->synth);
    return output;
}

tFluidSynthOutput::~tFluidSynthOutput()
{
    if (driver) delete_fluid_audio_driver(driver);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
}

void tFluidSynthOutput::NoteOn(int channel, int note, int velocity) { fluid_synth_noteon(synth, channel, note, velocity); }

// The synthesizer has no release velocity.
void tFluidSynthOutput::NoteOff(int channel, int note, int) { fluid_synth_noteoff(synth, channel, note); }

void tFluidSynthOutput::ProgramChange(int channel, int program) { fluid_synth_program_change(synth, channel, program); }

void tFluidSynthOutput::ControlChange(int channel, int controller, int value)
{
    fluid_synth_cc(synth, channel, controller, value);
}

void tFluidSynthOutput::Reset()
{
    fluid_synth_system_reset(synth);
    makeTenthChannelMelodic(synth);
}

std::vector<float> tFluidSynthOutput::Render(int frames)
{
    std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
    fluid_synth_write_float(synth, frames, left.data(), 0, 1, right.data(), 0, 1);
    return left;
}

void startMidiOutput()
{
    setMidiOutputOpener([]() -> std::unique_ptr<tMidiOutput> { return tFluidSynthOutput::Open(); });
}
