#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class tmultiobject;

struct tSaveSelection;

// A save to a project file (stored through the keyed filter), with the stored save options:
// backup, read-only, images in a separate "name.LGF" file. Without a selection it is a full save
// of the workspace, and afterwards the file is the current project.
void saveProject(const std::string& path, const tSaveSelection* selection = nullptr);

// A full or partial save as a project in memory, stored through the keyed filter like a file,
// with its images inside (the clipboard's project): no backup, no separate image file, and the
// workspace's current project stays as it is.
std::vector<uint8_t> workspaceProject(const std::string& name, const tSaveSelection* selection = nullptr);

// The given objects with what they hold as a project in memory, stored through the keyed filter
// like a file (no icon): what "sendObject" sends and "load" reads back.
// With a copy name they are written as copies (tSaveSelection::copyName).
std::vector<uint8_t> objectsProject(const std::vector<tmultiobject*>& objects,
                                    const std::optional<std::string>& copyName = std::nullopt);
