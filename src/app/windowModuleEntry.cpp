#include "app/runWindow.h"
#include "app/windowModule.h"

#include <type_traits>

// The one name the program looks up in the window module.
extern "C" __attribute__((visibility("default"))) int zembrixRunWindow(int& argc, char** argv,
                                                                        const std::string& project,
                                                                        const std::vector<std::string>& files)
{
    return runWindow(argc, argv, project, files);
}

// Checked where it is built: the entry has the type the program calls it through.
static_assert(std::is_same_v<decltype(&zembrixRunWindow), tRunWindowEntry>);
