#pragma once

class tLogoTab;

// "editimage": an image file's first picture painted in the window's image editor
// (imageEditorFront.h) and saved back.
void registerImageEditPrimitive(tLogoTab& table);
