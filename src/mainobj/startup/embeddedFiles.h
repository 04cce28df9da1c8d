#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "language/tEmbeddedDirectory.h"

class tStream;

// Files the program carries at its end, named with a leading "*" by the load primitives. The
// embedded project is stored as "*project.zxp"; every other name is stored without the "*"
// ("*exe.bin" is "exe.bin", the start-up program).
inline constexpr const char* kStartupProgramName = "*exe.bin";
inline constexpr const char* kEmbeddedProjectName = "*project.zxp";

bool namesEmbeddedFile(std::string_view name);
bool programCarries(std::string_view name, const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());

// The file's bytes as stored (still coded with the project key, as a project file on disk
// is); erFileName with the name when the program does not carry it.
std::unique_ptr<tStream> openEmbeddedFile(std::string_view name,
                                          const tEmbeddedDirectory& directory = tEmbeddedDirectory::Program());
