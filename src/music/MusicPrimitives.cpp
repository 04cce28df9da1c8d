#include "music/MusicPrimitives.h"

#include <string>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/tPrimitiveCall.h"
#include "music/instrumentNames.h"
#include "music/processMusic.h"
#include "music/tMelodyPlayer.h"
#include "processes/processEnvironment.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

// play, note, rest and setinstrument: each process plays on its own channel (processMusic).

namespace {

constexpr int32_t kLongestMilliseconds = 65535;
constexpr int kSilence = 128;

tlogoobject* play(tPrimitiveCall& call)
{
    if (!systemOptions().sound) return nullptr;
    for (int i = 0; i < call.count(); ++i) {
        tlogoobject* input = call[i];
        if (!input->IsList()) {
            currentPlayer().PlayToken(call.word(i));
            continue;
        }
        for (tlogoobject* token : elements(static_cast<tLogoList*>(input))) {
            if (!token->IsWord()) throw eLogoException(erBadValue, token);
            currentPlayer().PlayToken(token->WordText());
        }
    }
    return nullptr;
}

// A duration in the elapse unit, limited so that it stays within 65535 ms.
int32_t noteMilliseconds(tlogoobject* duration)
{
    static constexpr int32_t kMillisecondsPerUnit[] = {1, 10, 100};
    const int32_t factor = kMillisecondsPerUnit[elapseUnit()];
    return duration->AsIntegerIn(0, kLongestMilliseconds / factor) * factor;
}

tlogoobject* note(tPrimitiveCall& call)
{
    std::vector<int> chord;
    if (call[0]->IsList()) {
        for (tlogoobject* pitch : elements(static_cast<tLogoList*>(call[0])))
            chord.push_back(pitch->AsIntegerIn(0, kSilence));
    } else {
        chord.push_back(call[0]->AsIntegerIn(0, kSilence));
    }
    const int32_t milliseconds = noteMilliseconds(call[1]);
    currentPlayer().Sound(chord, milliseconds);
    return nullptr;
}

tlogoobject* rest(tPrimitiveCall& call)
{
    const int32_t milliseconds = call[0]->AsIntegerIn(0, kLongestMilliseconds);
    currentPlayer().Rest(milliseconds);
    return nullptr;
}

constexpr int kHighestProgram = 127;

tlogoobject* setinstrument(tPrimitiveCall& call)
{
    tlogoobject* input = call[0];
    int program = 0;
    if (input->IsNumber()) {
        program = input->AsIntegerIn(0, kHighestProgram);
    } else {
        // A name of several words may come as a list.
        std::string name;
        if (input->IsList()) {
            for (tlogoobject* part : elements(static_cast<tLogoList*>(input)))
                name += (name.empty() ? "" : " ") + part->PrintText(0);
        } else {
            name = call.word(0);
        }
        program = instrumentOfName(name);
        if (program < 0) throw eLogoException(erBadValue, input);
    }
    currentPlayer().SetInstrument(program);
    return nullptr;
}

constexpr tPrimitiveRow kMusicRows[] = {
    {"play", 1, kVariableInputs, &play},
    {"note", 2, kFixedInputs, &note},
    {"rest", 1, kFixedInputs, &rest},
    {"setinstrument", 1, kFixedInputs, &setinstrument},
};

}  // namespace

void registerMusicPrimitives(tLogoTab& table) { registerPrimitives(table, kMusicRows); }
