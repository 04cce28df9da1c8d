#include "media/SpeechPrimitives.h"

#include <optional>
#include <string>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/tPrimitiveCall.h"
#include "media/inputText.h"
#include "media/soundWaiting.h"
#include "media/speech.h"
#include "media/tSoundPlayback.h"
#include "media/tSoundSlot.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"

// say and setvoice: speech through the platform's synthesizer.

namespace {

// The second input of say, as for playwave.
constexpr int32_t kDoNotWait = 1;

// text (, how): speaks and waits until it has been said. Nothing without a synthesizer, and
// nothing while the option "sound" is 0.
tlogoobject* say(tPrimitiveCall& call)
{
    if (!systemOptions().sound) return nullptr;
    const int32_t how = call.count() > 1 ? call.integer(1) : 0;
    const std::string text = inputText(call[0]);
    std::shared_ptr<const tPcmSound> sound;
    {
        // Making the sound takes a while: other processes run meanwhile.
        std::optional<tInterpreterLock::Releaser> released;
        if (tLogoprocess::Current()) released.emplace();
        sound = spokenSound(text);
    }
    if (!sound) return nullptr;
    std::shared_ptr<tSoundPlayback> playback = speechSlot().Start(sound, false);
    if ((how & kDoNotWait) == 0) waitForSoundOrEnd(*playback);
    return nullptr;
}

// A voice's name or language, as a word or a list of the name's words.
tlogoobject* setvoice(tPrimitiveCall& call)
{
    if (!chooseSpeechVoice(inputText(call[0]))) throw eLogoException(erVoiceList, call[0]);
    return nullptr;
}

constexpr tPrimitiveRow kSpeechRows[] = {
    {"say", 1, kVariableInputs, &say},
    {"setvoice", 1, kFixedInputs, &setvoice},
};

}  // namespace

void registerSpeechPrimitives(tLogoTab& table) { registerPrimitives(table, kSpeechRows); }
