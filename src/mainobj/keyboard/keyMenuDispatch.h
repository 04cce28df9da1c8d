#pragma once

#include <functional>

#include "mainobj/keyboard/tKeyStroke.h"

class tLogoTab;
class tlogoobject;
class tmultiobject;

// What key menus need to know of the main window. Only objects the window shows answer their
// key menus: walking from the object through its owners, the first page met must be the
// shown page, or the window object must be reached without meeting a page. Key-menu
// processes start with the receivers and the private table typed lines use now.
// The functions are called under the key lock and must not run Logo code.
struct tKeyMenuWindow {
    tmultiobject* window = nullptr;
    std::function<tmultiobject*()> shownPage;
    std::function<tlogoobject*()> receivers;
    std::function<tLogoTab*()> privateTable;
};

// Installed by the window (or the console) once its objects exist; before that no object is
// shown, so no key menu answers.
void setKeyMenuWindow(tKeyMenuWindow window);

// A stroke the window made (after its own handling of dead keys, Ctrl+Break and text boxes):
// when key menus are accepted and one matches, it is dispatched; a press is then queued for
// the reading primitives. On the window thread, which never takes the interpreter lock, the
// dispatch is handed to a short process ("@keymenu") that takes it; a caller holding the lock
// dispatches at once.
//
// Dispatch starts, for every shown object, a key-menu process ("@" + name + "keymenu") for
// its first entry that matches. While key-menu processes run, matching strokes wait and are
// replayed in order once the last of them has ended.
void offerKeyStroke(const tKeyStroke& stroke);
