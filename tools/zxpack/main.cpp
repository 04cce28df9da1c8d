// zxpack: the build's packer. Codes dictionary texts into a C++ source of built-in resources,
// writes start-up parameters, and appends files to a built program.
//
//   zxpack resources OUT.cpp [language:NAME=FILE | interface:NAME=FILE]...
//   zxpack params OUT LANGUAGE SEVERAL-COPIES
//   zxpack embed PROGRAM embedded|project NAME FILE
//   zxpack list PROGRAM

#include "ResourceSource.h"

#include "language/BuiltinResources.h"
#include "language/DictionaryCoding.h"
#include "language/tFileStream.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: zxpack resources OUT.cpp [language:NAME=FILE | interface:NAME=FILE]...\n"
                         "       zxpack params OUT LANGUAGE SEVERAL-COPIES\n"
                         "       zxpack embed PROGRAM embedded|project NAME FILE\n"
                         "       zxpack list PROGRAM\n");
    return 2;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "zxpack: %s\n", message.c_str());
    return 1;
}

std::string upperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int packResources(int argc, char** argv)
{
    std::vector<tResourceData> resources;
    for (int i = 3; i < argc; ++i) {
        const std::string spec = argv[i];
        const size_t colon = spec.find(':');
        const size_t equals = spec.find('=');
        if (colon == std::string::npos || equals == std::string::npos || equals < colon)
            return usage();
        const std::string kind = spec.substr(0, colon);
        const std::string name = spec.substr(colon + 1, equals - colon - 1);
        std::string text;
        if (!readWholeFile(spec.substr(equals + 1), text))
            return fail("cannot read " + spec.substr(equals + 1));
        if (kind == "language")
            resources.push_back({std::string(kLanguageResourceType), upperAscii(name), encodeDictionaryText(text)});
        else if (kind == "interface")
            resources.push_back({std::string(kInterfaceResourceType), name, encodeInterfaceBlock(name, text)});
        else
            return usage();
    }
    return writeResourceSource(argv[2], resources) ? 0 : fail(std::string("cannot write ") + argv[2]);
}

}

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "resources") == 0)
        return packResources(argc, argv);
    return usage();
}
