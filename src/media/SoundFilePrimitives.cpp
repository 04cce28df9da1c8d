#include "media/SoundFilePrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/tPrimitiveCall.h"
#include "media/soundFiles.h"
#include "media/soundWaiting.h"
#include "media/tSoundPlayback.h"
#include "media/tSoundSlot.h"

// playwave and playfile: sound files played through the platform's sound output.

namespace {

// The second input of playwave: bits that say how to play.
constexpr int32_t kDoNotWait = 1;
constexpr int32_t kRepeat = 8;  // until stopped; never waited for

// name (, how): plays the sound file and waits for its end; the empty word or list stops the
// sound playing. Silent, and nothing is read, while the option "sound" is 0.
tlogoobject* playwave(tPrimitiveCall& call)
{
    if (!systemOptions().sound) return nullptr;
    if (call[0]->IsEmpty()) {
        waveSlot().Stop();
        return nullptr;
    }
    const int32_t how = call.count() > 1 ? call.integer(1) : 0;
    const bool repeat = (how & kRepeat) != 0;
    std::shared_ptr<tSoundPlayback> playback = waveSlot().Start(loadSoundFile(call.word(0), erExpectWav), repeat);
    if (!repeat && (how & kDoNotWait) == 0) waitForSoundOrEnd(*playback);
    return nullptr;
}

// A media file played to its end, whatever the option "sound" says.
tlogoobject* playfile(tPrimitiveCall& call)
{
    tSoundPlayback playback(loadSoundFile(call.word(0), erMCIFileProblem), false);
    waitForSoundOrEnd(playback);
    return nullptr;
}

constexpr tPrimitiveRow kSoundFileRows[] = {
    {"playwave", 1, kVariableInputs, &playwave},
    {"playfile", 1, kFixedInputs, &playfile},
};

}  // namespace

void registerSoundFilePrimitives(tLogoTab& table) { registerPrimitives(table, kSoundFileRows); }
