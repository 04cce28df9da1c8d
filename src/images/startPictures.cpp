#include "images/picturePrimitives.h"

#include "turtle/kindAdditions.h"

void startPictures()
{
    static bool started = false;
    if (started) return;
    started = true;
    tKindAdditions& added = kindAdditions();
    added.turtleFamilies.push_back(&registerTurtlePicturePrimitives);
    added.pageFamilies.push_back(&registerPagePicturePrimitives);
    added.pageProperties.push_back(&declarePagePictureProperties);
}
