#include "images/startImages.h"

#include "images/ImageMethods.h"
#include "images/ImagePrimitives.h"
#include "mainobj/tMainLogoObject.h"

void startImages()
{
    buildImageMethodTable();
    registerImagePrimitives(*mainLogoObject().procTable);
}
