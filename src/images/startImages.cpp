#include "images/startImages.h"

#include "images/ImageEditPrimitive.h"
#include "images/ImageMethods.h"
#include "images/ImagePrimitives.h"
#include "images/imageShapes.h"
#include "images/lgfTextFiles.h"
#include "images/picturePrimitives.h"
#include "mainobj/tMainLogoObject.h"

void startImages()
{
    buildImageMethodTable();
    registerImagePrimitives(*mainLogoObject().procTable);
    registerImageEditPrimitive(*mainLogoObject().procTable);
    setTurtleShapeMaker(&shapeOfValue);
    startPictures();
    installLgfTextFiles();
}
