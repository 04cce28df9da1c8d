#pragma once

#include <memory>

#include "mainobj/tTextOutput.h"

class tmultiobject;

// "printtotextbox" writes into a text box, which the controls layer above makes; that layer
// installs how an output onto one is opened, at start-up.
using tTextBoxOutputOpener = std::unique_ptr<tTextOutput> (*)(tmultiobject& object);

inline tTextBoxOutputOpener& textBoxOutputOpener()
{
    static tTextBoxOutputOpener opener = nullptr;
    return opener;
}

inline void installTextBoxOutputs(tTextBoxOutputOpener opener) { textBoxOutputOpener() = opener; }

// An output that appends to the object's text; none when the object is no text box (or no
// controls are installed).
inline std::unique_ptr<tTextOutput> openTextBoxOutput(tmultiobject& object)
{
    tTextBoxOutputOpener opener = textBoxOutputOpener();
    return opener ? opener(object) : nullptr;
}
