#pragma once

#include "images/imageEditorFront.h"

class QWidget;

// The window's image editor for "editimage": the picture enlarged, painted pixel by pixel with
// the left button in the chosen colour (or made transparent), the right button taking the colour
// under it; OK gives the painted picture back, Cancel nothing.
tImageEditorShow qtImageEditor(QWidget* parent);
