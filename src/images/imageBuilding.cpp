#include "images/imageBuilding.h"

#include "values/eLogoException.h"
#include "values/strictOption.h"
#include "values/tLogoList.h"

void mergeInfo(tLogoImage& result, const tLogoImage& other)
{
    result.style = result.style == tLogoImage::styleHeading && other.style == tLogoImage::styleHeading
                       ? tLogoImage::styleHeading
                       : tLogoImage::styleFrame;
    result.loop = result.loop || other.loop;
}

tLogoImage* withFrames(const tLogoImage& receiver, std::vector<tFrameRef> frames)
{
    auto* image = new tLogoImage;
    image->CopyInfo(receiver);
    image->frames = std::move(frames);
    return image;
}

tLogoImage& imageInput(tlogoobject* value)
{
    if (!value || !value->IsImage()) throw eLogoException(erBadStructure, value);
    return static_cast<tLogoImage&>(*value);
}

namespace {

// Builds from the empty image's info, merging each input and adding what `take` gives for it.
template <class Take>
tLogoImage* built(const std::vector<tlogoobject*>& inputs, Take&& take)
{
    for (tlogoobject* input : inputs) imageInput(input);
    tLogoRef<tLogoImage> result(new tLogoImage);
    for (tlogoobject* input : inputs) {
        const tLogoImage& image = imageInput(input);
        mergeInfo(*result, image);
        take(image, result->frames);
    }
    // Handed out uncounted, as fresh values are.
    tLogoImage* image = result.release();
    Unhold(image);
    return image;
}

}  // namespace

tLogoImage* concatenatedImage(const std::vector<tlogoobject*>& inputs)
{
    return built(inputs, [](const tLogoImage& image, std::vector<tFrameRef>& frames) {
        frames.insert(frames.end(), image.frames.begin(), image.frames.end());
    });
}

tLogoImage* animationFilm(const std::vector<tlogoobject*>& inputs)
{
    return built(inputs, [](const tLogoImage& image, std::vector<tFrameRef>& frames) {
        std::vector<tLogoPicture> pictures;
        for (const tFrameRef& frame : image.frames)
            pictures.insert(pictures.end(), frame->pictures.begin(), frame->pictures.end());
        frames.push_back(makeFrame(std::move(pictures)));
    });
}

tLogoImage* separateFrames(const std::vector<tlogoobject*>& inputs)
{
    return built(inputs, [](const tLogoImage& image, std::vector<tFrameRef>& frames) {
        for (const tFrameRef& frame : image.frames)
            for (const tLogoPicture& picture : frame->pictures) frames.push_back(makeFrame({picture}));
    });
}

std::vector<tFrameRun> frameRuns(tlogoobject* index)
{
    if (index->IsNumber()) return {{index->AsInteger(), 1}};
    if (!index->IsList()) throw eLogoException(erExpectNumber, index);
    auto* list = static_cast<tLogoList*>(index);
    bool holdsLists = false;
    std::vector<tlogoobject*> elements;
    for (tLogoList* cell = list; cell && cell->first; cell = cell->rest) {
        elements.push_back(cell->first);
        holdsLists = holdsLists || cell->first->IsList();
    }
    if (!holdsLists) {
        if (elements.size() != 2) throw eLogoException(erExpectList2, index);
        return {{elements[0]->AsInteger(), elements[1]->AsInteger()}};
    }
    std::vector<tFrameRun> runs;
    for (tlogoobject* element : elements) {
        if (!element->IsNumber() && !element->IsList()) throw eLogoException(erExpectNumber, element);
        if (element->IsList() && static_cast<tLogoList*>(element)->Count() != 2)
            throw eLogoException(erExpectList2, element);
        const std::vector<tFrameRun> more = frameRuns(element);
        runs.insert(runs.end(), more.begin(), more.end());
    }
    return runs;
}

tFrameRun fittedRun(tFrameRun run, int32_t count, tlogoobject* index)
{
    const int64_t last = int64_t(run.from) + run.count - 1;
    if (strictLevel() > 0) {
        if (count == 0) throw eLogoException(erEmptyImage, index);
        if (run.from < 1 || run.count < 0 || last > count) throw eLogoException(erShortList, index);
        return run;
    }
    if (count == 0) return {1, 0};
    if (run.from > count) return {1, 1};
    const int32_t from = run.from < 1 ? 1 : run.from;
    const int64_t end = last > count ? count : last;
    return {from, end < from ? 0 : static_cast<int32_t>(end - from + 1)};
}
