#include "FixtureLanguage.h"

#include "language/DictionaryCoding.h"
#include "language/Language.h"
#include "language/ProgramFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct tInstalledFiles {
    std::vector<std::string> paths;
    ~tInstalledFiles()
    {
        for (const auto& path : paths)
            std::remove(path.c_str());
    }
};

tInstalledFiles installed;

}

const char* const kFixtureLanguageText =
    "; a fixture language\r\n"
    "stray = before any section\r\n"
    "  [ Dict ]  \r\n"
    "   Forward =  fd forward   \r\n"
    "; back = this line is a comment\r\n"
    "back=bk back\n"
    "colour=colour color\r"
    "pencolour=pencolour pc\n"
    "line without equals sign\n"
    "empty=\n"
    "[other]\n"
    "true=yes true\n"
    "false=no false\n"
    "[param]\n"
    "usual=normal\n"
    "[system]\n"
    "setfix=put*now\n"
    "[text]\n"
    "twolines=ab\\Ncd\n"
    "greet=Hello %s!\n"
    "pair=%s2 then %s1\n"
    "[set]\n"
    "pencolour=paintpen\n"
    "[get]\n"
    "pencolour=penshade\n"
    "[colours]\n"
    "red=rouge red\n";

std::string installFixtureLanguage(const std::string& base, std::string_view text)
{
    const std::string name = base + std::to_string(getpid());
    const std::string path = programFolder() + "/" + name + ".ldx";
    const std::vector<uint8_t> coded = encodeDictionaryText(text);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr) << path;
    if (file) {
        std::fwrite(coded.data(), 1, coded.size(), file);
        std::fclose(file);
        installed.paths.push_back(path);
    }
    return name;
}

std::string useFixtureLanguage()
{
    static const std::string name = installFixtureLanguage("zxfixture", kFixtureLanguageText);
    EXPECT_TRUE(switchLanguage(name));
    return name;
}
