#pragma once

#include <string>
#include <string_view>

// The project the learner works on: its file, whose folder is the "$" of file names. Empty
// while the project has not been loaded as the current one or saved.
std::string currentProjectFile();
// Also makes the file's folder the work folder (unless the path is empty).
void setCurrentProjectFile(std::string_view path);
