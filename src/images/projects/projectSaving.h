#pragma once

#include <string>

// A full save of the workspace to a project file (stored through the keyed filter), with the
// stored save options: backup, read-only, images in a separate "name.LGF" file. Afterwards the
// file is the current project.
void saveProject(const std::string& path);
