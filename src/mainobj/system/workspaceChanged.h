#pragma once

// Whether the workspace changed since it was last saved or loaded: one flag for the program,
// and the copy each process took of it the first time it asked.
bool workspaceChanged();
void setWorkspaceChanged(bool changed);
