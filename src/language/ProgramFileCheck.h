#pragma once

// What start-up must tell the user before it stops, when the program's own file cannot be
// mapped or its embedded-file directory is corrupt; empty when the file is sound.

#include "language/ProgramFile.h"

#include <string>

std::string programFileProblem(const std::string& path = programPath());
