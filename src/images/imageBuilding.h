#pragma once

#include <cstdint>
#include <vector>

#include "images/tLogoImage.h"

// Making images from images: every result is a new image sharing the frames it takes.

// The info of an image combined with another's: style heading only if both are heading, the
// receiver's zero angle, loop if either loops.
void mergeInfo(tLogoImage& result, const tLogoImage& other);

// An image with these frames and the receiver's info.
tLogoImage* withFrames(const tLogoImage& receiver, std::vector<tFrameRef> frames);

// The image value an input must be; erBadStructure with it otherwise.
tLogoImage& imageInput(tlogoobject* value);

// The builders start from the empty image's info and merge each input in turn.
// "image": all frames of all inputs, in order.
tLogoImage* concatenatedImage(const std::vector<tlogoobject*>& inputs);
// "toanimfilm": one frame per input holding all pictures of all its frames.
tLogoImage* animationFilm(const std::vector<tlogoobject*>& inputs);
// "toframes": one frame per picture of every frame of every input.
tLogoImage* separateFrames(const std::vector<tlogoobject*>& inputs);

// A run of frames, 1-based.
struct tFrameRun {
    int32_t from = 1;
    int32_t count = 1;
};

// The runs an index stands for: a number n is [n 1], a two-number list [from count], a list
// holding lists or numbers the concatenation of those. erExpectNumber for anything else,
// erExpectList2 for a number list not of two.
std::vector<tFrameRun> frameRuns(tlogoobject* index);

// A run made to fit the frames there are. Under the strict option a run outside 1..count fails
// (erEmptyImage for the empty image, erShortList otherwise); without it a run starting past
// the end stands for frame 1 and other runs are clipped to the frames that exist.
tFrameRun fittedRun(tFrameRun run, int32_t count, tlogoobject* index);
