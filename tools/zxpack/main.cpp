// zxpack: the build's packer. Codes dictionary texts into a C++ source of built-in resources,
// writes start-up parameters, and appends files to a built program.
//
//   zxpack resources OUT.cpp [language:NAME=FILE | interface:NAME=FILE]...
//   zxpack params OUT LANGUAGE SEVERAL-COPIES
//   zxpack embed PROGRAM embedded|project|zxp NAME FILE
//   zxpack list PROGRAM
//
// "embedded" and "project" code the plain FILE with that key; "zxp" takes a project file as
// saved, which is already coded with the project key from its first byte, as the embedded
// project must be.

#include "ResourceSource.h"

#include "language/BuiltinResources.h"
#include "language/DictionaryCoding.h"
#include "language/EmbeddedFileWriter.h"
#include "language/StreamKeys.h"
#include "language/asciiText.h"
#include "language/tEmbeddedDirectory.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "language/tStartupParams.h"
#include "language/texecodedstream.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: zxpack resources OUT.cpp [language:NAME=FILE | interface:NAME=FILE]...\n"
                         "       zxpack params OUT LANGUAGE SEVERAL-COPIES\n"
                         "       zxpack embed PROGRAM embedded|project|zxp NAME FILE\n"
                         "       zxpack list PROGRAM\n");
    return 2;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "zxpack: %s\n", message.c_str());
    return 1;
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

int writeParams(char** argv)
{
    tStartupParams params;
    params.interfaceLanguage = argv[3];
    params.severalCopies = static_cast<uint8_t>(std::atoi(argv[4]));
    tFileStream out(argv[2], tFileStream::create);
    params.Write(out);
    return 0;
}

std::string decodedProject(const std::string& saved)
{
    tMemoryStream stored(std::vector<uint8_t>(saved.begin(), saved.end()));
    texecodedstream filter(stored, kProjectKey);
    std::string plain(saved.size(), '\0');
    filter.ReadExact(plain.data(), static_cast<int64_t>(plain.size()));
    return plain;
}

int embed(char** argv)
{
    const std::string keyName = argv[3];
    if (keyName != "embedded" && keyName != "project" && keyName != "zxp")
        return usage();
    std::string content;
    if (!readWholeFile(argv[5], content))
        return fail(std::string("cannot read ") + argv[5]);
    if (keyName == "zxp")
        content = decodedProject(content);
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    appendEmbeddedFile(argv[2], argv[4], bytes, keyName == "embedded" ? kEmbeddedDataKey : kProjectKey);
    return 0;
}

int list(char** argv)
{
    const tEmbeddedDirectory directory(argv[2]);
    if (directory.State() == tEmbeddedDirectory::Status::corrupt)
        return fail(std::string("corrupt directory in ") + argv[2]);
    for (const tEmbeddedFile& file : directory.Files())
        std::printf("%s %lld\n", file.name.c_str(), static_cast<long long>(file.size));
    return 0;
}

}

int main(int argc, char** argv)
{
    try {
        if (argc >= 3 && std::strcmp(argv[1], "resources") == 0)
            return packResources(argc, argv);
        if (argc == 5 && std::strcmp(argv[1], "params") == 0)
            return writeParams(argv);
        if (argc == 6 && std::strcmp(argv[1], "embed") == 0)
            return embed(argv);
        if (argc == 3 && std::strcmp(argv[1], "list") == 0)
            return list(argv);
    } catch (const eStreamError& error) {
        return fail(error.what());
    }
    return usage();
}
