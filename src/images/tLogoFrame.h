#pragma once

#include <memory>
#include <vector>

#include "images/tLogoPicture.h"

// A frame of an image: an animation film of pictures. Frames never change once built and are
// shared by every image made from them; they are held by a thread-safe count because shapes
// are drawn and animated outside the interpreter lock.
class tLogoFrame {
public:
    tLogoFrame() = default;
    explicit tLogoFrame(std::vector<tLogoPicture> pictures) : pictures(std::move(pictures)) {}

    int32_t Count() const { return static_cast<int32_t>(pictures.size()); }
    // Index access beyond the count gives the first picture; an empty frame gives none.
    const tLogoPicture* Picture(int32_t index) const;

    const std::vector<tLogoPicture> pictures;
};

using tFrameRef = std::shared_ptr<const tLogoFrame>;

inline tFrameRef makeFrame(std::vector<tLogoPicture> pictures)
{
    return std::make_shared<const tLogoFrame>(std::move(pictures));
}
