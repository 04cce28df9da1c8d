#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zembrix %s\n", ZEMBRIX_VERSION);
            return 0;
        }
    }
    std::fprintf(stderr, "usage: zembrix --version\n");
    return 2;
}
