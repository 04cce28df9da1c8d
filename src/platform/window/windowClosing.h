#pragma once

#include <functional>

class tmultiobject;

// The close button of the environment window: when the window object has an "onErase"
// handler, that handler runs as an event process and decides (typically it asks, then calls
// "bye"); otherwise `close` ends the program. A request while the handler of an earlier one
// runs is refused. On the window thread.
void requestWindowClose(tmultiobject* windowObject, std::function<void()> close);
