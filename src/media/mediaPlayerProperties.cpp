#include <array>
#include <string_view>

#include "language/Language.h"
#include "media/mediaPlayerKind.h"
#include "media/tLogoMediaPlayer.h"
#include "objects/propertyDeclaration.h"
#include "values/eLogoException.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

namespace number {
constexpr int32_t kFileName = 136;
constexpr int32_t kPosition = 156;
constexpr int32_t kPlayState = 157;
}  // namespace number

// The words of the states, as media-control commands answer them too.
constexpr std::array<std::pair<tPlayState, std::string_view>, 3> kStateWords = {{
    {tPlayState::kPlaying, "playing"},
    {tPlayState::kPaused, "paused"},
    {tPlayState::kStopped, "stopped"},
}};

tlogoobject* getFileName(tmultiobject& object) { return NewLiteralWord(tLogoMediaPlayer::Of(object).FileName()); }
void setFileName(tmultiobject& object, tlogoobject* value)
{
    if (!value->IsWord()) throw eLogoException(erExpectWord, value);
    tLogoMediaPlayer::Of(object).Open(value->WordText());
}

tlogoobject* getPosition(tmultiobject& object)
{
    return NewInteger(static_cast<int32_t>(tLogoMediaPlayer::Of(object).Position()));
}
void setPosition(tmultiobject& object, tlogoobject* value)
{
    tLogoMediaPlayer& player = tLogoMediaPlayer::Of(object);
    player.Seek(value->AsInteger());
}

tlogoobject* getPlayState(tmultiobject& object)
{
    const tPlayState state = tLogoMediaPlayer::Of(object).State();
    for (const auto& [each, word] : kStateWords)
        if (each == state) return NewLiteralWord(word);
    return NewLiteralWord("stopped");
}
void setPlayState(tmultiobject& object, tlogoobject* value)
{
    tLogoMediaPlayer& player = tLogoMediaPlayer::Of(object);
    if (value->IsWord())
        for (const auto& [state, word] : kStateWords)
            if (sameWord(value->WordText(), word)) return player.SetState(state);
    throw eLogoException(erBadValue, value);
}

const tBoundProperty kFileName{&getFileName, &setFileName};
const tBoundProperty kPosition{&getPosition, &setPosition};
const tBoundProperty kPlayState{&getPlayState, &setPlayState};

}  // namespace

void declareMediaPlayerProperties(tmultiobject& playerClass)
{
    declareProperty(playerClass, boundPropertyDeclaration(number::kFileName, {}, 0, kFileName));
    declareProperty(playerClass, boundPropertyDeclaration(number::kPosition, {}, 0, kPosition));
    declareProperty(playerClass, boundPropertyDeclaration(number::kPlayState, {}, 0, kPlayState));
    // What an object made from a stored one carries along: the file, where it stands, then
    // whether it plays.
    playerClass.paramsToMove = std::make_shared<const std::vector<int32_t>>(
        std::vector<int32_t>{number::kFileName, number::kPosition, number::kPlayState});
}
