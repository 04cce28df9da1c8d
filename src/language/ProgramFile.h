#pragma once

// The running program's own file and the folder it lives in (where ".ldx" dictionaries are).

#include <string>

std::string programPath();
std::string programFolder();
