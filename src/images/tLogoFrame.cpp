#include "images/tLogoFrame.h"

const tLogoPicture* tLogoFrame::Picture(int32_t index) const
{
    if (pictures.empty()) return nullptr;
    if (index < 0 || index >= Count()) index = 0;
    return &pictures[static_cast<size_t>(index)];
}
