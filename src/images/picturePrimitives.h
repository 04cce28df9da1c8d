#pragma once

class tLogoTab;
class tmultiobject;

// Pictures between pages, turtles and image values: the turtle's family ("stamppicture",
// "getimage", "shapeimage"), the page's ("takepicture", "putpicture", "loadbgpicture",
// "savebgpicture") and the page's "bgPicture" property.
void registerTurtlePicturePrimitives(tLogoTab& table);
void registerPagePicturePrimitives(tLogoTab& table);
void declarePagePictureProperties(tmultiobject& pageClass);

// Adds them to the graphic kinds; called at start-up before the kinds are built.
void startPictures();
