#pragma once

#include <string>

#include "processes/tLogoprocess.h"

class QWidget;

// What the running window does with a project that a later copy of the program hands over
// (the single-copy rule): refused (false) while a dialog of ours is open, and when the project
// (resolved as "loadproject" resolves it) records another Logo language; otherwise the window
// comes to the front and, once the learner has had the say about unsaved work, a process
// "@menu" in the start object (`like`, with its commander) erases the workspace and loads the
// project. An empty name only brings the window to the front.
bool openRequested(QWidget* mainWindow, const std::string& projectFile, const tProcessStart& like);
