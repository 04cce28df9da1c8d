#include "media/VideoPrimitives.h"

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "media/videoFront.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

constexpr int32_t kLargest = 100000;

std::pair<int32_t, int32_t> twoNumbers(tlogoobject* value, int32_t lowest)
{
    std::vector<tlogoobject*> numbers;
    if (auto* list = dynamic_cast<tLogoList*>(value))
        for (tlogoobject* number : elements(list)) numbers.push_back(number);
    if (numbers.size() != 2 || !numbers[0]->IsNumber() || !numbers[1]->IsNumber())
        throw eLogoException(erExpectList2, value);
    return {numbers[0]->AsIntegerIn(lowest, kLargest), numbers[1]->AsIntegerIn(lowest, kLargest)};
}

std::string videoPath(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    // Videos are found where the sound files are: the media folders.
    return resolveFileName(name, fkSound, tResolveFlags{.search = true});
}

tVideoFront& front()
{
    tVideoFront* shown = videoFront();
    if (!shown) throw eLogoException(erInitVideo);
    return *shown;
}

tlogoobject* openVideo(tPrimitiveCall& call)
{
    tVideoPlace place;
    place.path = videoPath(call);
    std::error_code failure;
    if (call.word(0).empty() || !std::filesystem::is_regular_file(place.path, failure))
        throw eLogoException(erVideoMissingFile);
    std::tie(place.left, place.top) = twoNumbers(call[1], -kLargest);
    std::tie(place.width, place.height) = twoNumbers(call[2], 1);
    front().Open(place);
    return nullptr;
}

tlogoobject* closeVideo(tPrimitiveCall& call)
{
    const std::string path = videoPath(call);
    if (!front().Close(path)) throw eLogoException(erVideoState);
    return nullptr;
}

constexpr tPrimitiveRow kVideoRows[] = {
    {"openvideo", 3, kFixedInputs, &openVideo},
    {"closevideo", 1, kFixedInputs, &closeVideo},
};

}  // namespace

void registerVideoPrimitives(tLogoTab& primitives) { registerPrimitives(primitives, kVideoRows); }
