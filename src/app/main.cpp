#include <cstdio>
#include <cstring>
#include <strings.h>
#include <string>
#include <vector>

#include "app/runConsole.h"

// zembrix --version | zembrix --console [FILE ...] [--snapshot OUT.png] | zembrix
// There is no window yet, so every other start runs the console too.
int main(int argc, char** argv)
{
    std::vector<std::string> files;
    std::string snapshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zembrix %s\n", ZEMBRIX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--console") == 0) continue;
        if (std::strcmp(argv[i], "--snapshot") == 0) {
            if (i + 1 == argc) {
                std::fprintf(stderr, "zembrix: --snapshot needs the name of a PNG file\n");
                return 2;
            }
            snapshot = argv[++i];
            continue;
        }
        std::string file = argv[i];
        if (file.size() > 4 && strcasecmp(file.c_str() + file.size() - 4, ".zxp") == 0) {
            std::fprintf(stderr, "zembrix: projects open in the window, which this build does not have yet\n");
            return 2;
        }
        files.push_back(std::move(file));
    }
    return runConsole(files, snapshot);
}
