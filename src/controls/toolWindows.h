#pragma once

// The tool window kind ("new "toolwindow"): a window object like those of the window kind, a
// container of pages that shows one of them, but small and floating over the environment's
// window. The class object "toolwindow" is built once; later calls do nothing.
void registerToolWindowKind();
