#pragma once

#include <string>
#include <vector>

// The environment window: the shown page, the output area and the command line, over Qt's event
// loop on this thread. A project given is opened first (as ".load" opens it), then the files
// are run line by line as in the console; then the command line is read. Closing the window
// ends the program as "bye" does. Needs a display (see displayAvailable).
int runWindow(int& argc, char** argv, const std::string& project, const std::vector<std::string>& files);
