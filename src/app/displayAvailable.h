#pragma once

// Whether a window can be shown: an X display or a Wayland compositor is named in the
// environment and its socket answers. Qt aborts the program when its platform cannot open,
// so the program asks first and falls back to the console. Needs Qt Core only: the console
// decides this without loading the window's libraries.
bool displayAvailable();
