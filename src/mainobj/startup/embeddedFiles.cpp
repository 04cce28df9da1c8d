#include "mainobj/startup/embeddedFiles.h"

#include <strings.h>

#include "language/tExe2MemStream.h"
#include "values/eLogoException.h"

namespace {

std::string_view storedName(std::string_view name)
{
    const std::string_view project = kEmbeddedProjectName;
    if (name.size() == project.size() && strncasecmp(name.data(), project.data(), project.size()) == 0)
        return name;
    return name.substr(1);
}

}  // namespace

bool namesEmbeddedFile(std::string_view name) { return name.size() > 1 && name.front() == '*'; }

bool programCarries(std::string_view name, const tEmbeddedDirectory& directory)
{
    return namesEmbeddedFile(name) && directory.Find(storedName(name)) != nullptr;
}

std::unique_ptr<tStream> openEmbeddedFile(std::string_view name, const tEmbeddedDirectory& directory)
{
    if (!programCarries(name, directory))
        throw eLogoException(erFileName, name);
    try {
        return std::make_unique<tExe2MemStream>(storedName(name), directory);
    } catch (const eStreamError&) {
        throw eLogoException(erFileName, name);
    }
}
