#pragma once

class tcontainerobject;
class tlogopage;
class tmultiobject;

// The class objects of the graphic kinds (turtle, page, main window), entered into the main
// object's objects table at start-up so that "new" finds them by their kind words.
void registerGraphicKinds();

// What the start-up program builds before anything is typed: the main window with its first
// page, and one turtle on it that the page addresses.
struct tStartWindow {
    tcontainerobject* window = nullptr;
    tlogopage* page = nullptr;
    tmultiobject* turtle = nullptr;
};

// Builds it; the caller holds the interpreter lock and runs in a process context.
tStartWindow buildStartWindow();
