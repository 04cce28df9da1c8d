#include <cstdio>
#include <cstring>
#include <strings.h>
#include <string>
#include <vector>

#include "app/runConsole.h"
#include "app/displayAvailable.h"
#include "app/windowModule.h"

namespace {

bool isProject(const std::string& file)
{
    return file.size() > 4 && strcasecmp(file.c_str() + file.size() - 4, ".zxp") == 0;
}

}  // namespace

// zembrix --version | zembrix --console [FILE ...] [--snapshot OUT.png] | zembrix [PROJECT.zxp]
// Without a display the window cannot open, and the program runs as the console.
int main(int argc, char** argv)
{
    std::vector<std::string> files;
    std::string snapshot;
    bool console = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zembrix %s\n", ZEMBRIX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--console") == 0) {
            console = true;
            continue;
        }
        if (std::strcmp(argv[i], "--snapshot") == 0) {
            if (i + 1 == argc) {
                std::fprintf(stderr, "zembrix: --snapshot needs the name of a PNG file\n");
                return 2;
            }
            snapshot = argv[++i];
            continue;
        }
        files.emplace_back(argv[i]);
    }
    tRunWindowEntry runWindow = nullptr;
    if (!console && snapshot.empty() && displayAvailable())
        runWindow = loadWindowModule();
    if (runWindow == nullptr) {
        for (const std::string& file : files) {
            if (isProject(file)) {
                std::fprintf(stderr, "zembrix: projects open in the window; the console loads them with load\n");
                return 2;
            }
        }
        return runConsole(files, snapshot);
    }
    std::string project;
    std::vector<std::string> lineFiles;
    for (std::string& file : files) {
        if (!isProject(file)) {
            lineFiles.push_back(std::move(file));
        } else if (project.empty()) {
            project = std::move(file);
        } else {
            std::fprintf(stderr, "zembrix: the window opens one project at a time\n");
            return 2;
        }
    }
    return runWindow(argc, argv, project, lineFiles);
}
