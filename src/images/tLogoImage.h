#pragma once

#include <vector>

#include "images/tLogoFrame.h"
#include "values/tlogoobject.h"

// An image value: a list of frames plus how a shape uses them. The frames are either the
// directions of a rotating shape (style heading: the heading picks the frame, frame 1 standing
// for the zero angle) or simply numbered (style frame); loop says whether an animation wraps.
// Images never change after they are built: operations make new images sharing the frames.
class tLogoImage : public tlogoobject {
public:
    enum tStyle : uint8_t { styleFrame = 0, styleHeading = 1 };

    std::vector<tFrameRef> frames;
    uint8_t style = styleHeading;
    long double zeroAngle = 0;
    bool loop = true;

    tLogoImage();

    tlogoobject* Clone() override;
    bool IsImage() const override { return true; }
    bool IsEmpty() override { return frames.empty(); }
    // The same frame objects in the same order: identity, not equal pixels.
    bool Equals(tlogoobject* other) override;
    void AttachMethods() override;
    const char* ClassName() const override { return "tLogoImage"; }

    int32_t Count() const { return static_cast<int32_t>(frames.size()); }
    // The first picture of the first frame; none for the empty image or an empty first frame.
    const tLogoPicture* FirstPicture() const;
    void CopyInfo(const tLogoImage& other);
};

// The table image values answer method names through; set by the image primitives at start-up.
void setImageMethodTable(tLogoTab* table);

// An image of one frame holding one picture of the bitmap, hot spot at its centre, style frame.
tLogoImage* imageOfBitmap(const QImage& bitmap);
