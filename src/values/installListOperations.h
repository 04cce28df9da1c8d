#pragma once

// Connects lists and the printer to the word layer: words answer SourceText through the
// printer, and a number times or divided by a list reaches the list operations. Called once at
// start-up, before any Logo text runs.
void installListOperations();
