#include "language/ProgramFileCheck.h"

#include "language/tEmbeddedDirectory.h"
#include "language/tStream.h"

std::string programFileProblem(const std::string& path)
{
    try {
        const tEmbeddedDirectory directory(path);
        if (directory.State() == tEmbeddedDirectory::Status::corrupt)
            return "FATAL: The file is corrupt " + path;
    } catch (const eStreamError& error) {
        return std::string("FATAL: Cannot access files (") + error.what() + ")";
    }
    return {};
}
