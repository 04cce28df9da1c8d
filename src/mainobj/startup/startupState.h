#pragma once

// The flags of the start-up sequence. Two of them live with their readers:
// - start-up in progress (processes/processEnvironment.h): processes created meanwhile do
//   not mark activity;
// - system definitions (values/tTabDesc.h, setStartupLoading): table entries created
//   meanwhile are system entries, kept by "eraseall" and never saved; option "state" shows it.
// The other two live here:
// - loading: the start-up program or the embedded project is being loaded;
// - start-up-program mode: the project loader takes plain text with language-neutral words,
//   and persistent objects may be erased.

void setStartupLoadingFlag(bool on);
void setStartupProgramMode(bool on);

bool startupLoadingFlag();
bool startupProgramMode();
