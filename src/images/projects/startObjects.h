#pragma once

class tmultiobject;

// The objects the environment builds before any project or typed line runs (the kind classes,
// the main window, its first page and turtle), and those the start-up program makes (their
// entries are system entries). Every fresh program has them, so a project sets their state
// instead of creating them again.

// Records every object that exists now; called once, when the start window is built.
void rememberStartObjects();
bool isStartObject(const tmultiobject* object);
