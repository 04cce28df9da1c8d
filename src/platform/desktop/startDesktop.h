#pragma once

// Registers the desktop's primitives (clipboard, runprogram, showdocument, browseDocument,
// systemmetrics) in the main object; where a Qt application exists already (the window), the
// desktop's clipboard takes the place of the in-memory one.
void startDesktop();
