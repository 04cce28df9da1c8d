#include "media/MediaChoosers.h"

#include <string>
#include <vector>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/dialogFront.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "media/speech.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// voiceChooser and playChooser: like the other choosers they output the choice, or the empty
// list when the learner cancels or nobody can choose (the console has no dialogs).

namespace {

tlogoobject* cancelled() { return tListBuilder().Take(); }

// The name of one of the speech voices, as "setvoice" takes it.
tlogoobject* voiceChooser(tPrimitiveCall&)
{
    std::shared_ptr<tDialogFront> front = dialogFront();
    if (!front) return cancelled();
    tItemsRequest request;
    for (const tVoice& voice : speechVoices()) request.items.push_back(voice.name);
    if (request.items.empty()) return cancelled();
    const tDialogAnswer answer = awaitDialog(front, &tDialogFront::ShowItemChooser, request);
    if (answer.cancelled || answer.code < 0 || answer.code >= static_cast<int>(request.items.size())) return cancelled();
    return NewLiteralWord(request.items[static_cast<size_t>(answer.code)]);
}

// proposed name: the full name of a file "playfile" plays, starting in the first sound folder.
tlogoobject* playChooser(tPrimitiveCall& call)
{
    std::shared_ptr<tDialogFront> front = dialogFront();
    if (!front) return cancelled();
    tFileRequest request;
    std::string proposed = call[0]->IsList() ? std::string() : call[0]->PrintText(0);
    const size_t cut = proposed.rfind('/');
    request.folder = cut == std::string::npos ? firstExistingFolder(fkSound) : proposed.substr(0, cut + 1);
    request.name = cut == std::string::npos ? proposed : proposed.substr(cut + 1);
    request.filters.push_back({uiString("directories", "media"), {"*.wav", "*.WAV"}});
    const tDialogAnswer answer = awaitDialog(front, &tDialogFront::ShowFileChooser, request);
    if (answer.cancelled) return cancelled();
    return NewLiteralWord(answer.text);
}

constexpr tPrimitiveRow kMediaChooserRows[] = {
    {"voiceChooser", 0, kFixedInputs, &voiceChooser},
    {"playChooser", 1, kFixedInputs, &playChooser},
};

}  // namespace

void registerMediaChoosers(tLogoTab& table) { registerPrimitives(table, kMediaChooserRows); }
