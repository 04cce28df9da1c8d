#pragma once

#include <optional>

#include "turtle/tDrawingList.h"

class tlogoobject;

// The kind a word of a drawing list names: the words of the drawing primitives ("polygon",
// "forward" ...) and the setter names of the properties that set styles ("setpencolour" ...),
// in the current language. None for other words.
std::optional<tDrawingKind> drawingKindOf(tlogoobject* word);
