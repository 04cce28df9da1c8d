#include "media/MciPrimitive.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "media/inputText.h"
#include "media/mciCommands.h"
#include "media/soundWaiting.h"
#include "media/tMciNotifyProcess.h"
#include "media/tMediaDevices.h"
#include "media/tSoundPlayback.h"
#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// command (, instructions): a media-control command string (a word, or a list of its words). As
// an operation it outputs the command's answer ("status" items; the empty word for the others).
// Instructions given with "play" run in a process of their own when the sound has played to
// its end.
tlogoobject* mci(tPrimitiveCall& call)
{
    if (call.count() > 2) throw eLogoException(erTooManyInputs);
    const tMciCommand command = readMciCommand(inputText(call[0]));
    if (call.count() > 1 && (command.verb != tMciCommand::kPlay || !call[1]->IsList())) throw eLogoException(erBadValue, call[1]);
    tMediaDevices::tAnswer answer = tMediaDevices::Instance().Run(command);
    if (call.count() > 1) notifyWhenPlayed(answer.playing, call[1]);
    if (command.wait && answer.playing) waitForSoundOrEnd(*answer.playing);
    return call.asOperation ? NewLiteralWord(answer.text) : nullptr;
}

constexpr tPrimitiveRow kMciRows[] = {
    {"mci", 1, kVariableInputs, &mci},
};

}  // namespace

void registerMciPrimitive(tLogoTab& table) { registerPrimitives(table, kMciRows); }
