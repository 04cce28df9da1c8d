#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../mainobj/MainObjectWorld.h"
#include "images/lgfChunks.h"
#include "images/lgfText.h"
#include "images/projects/projectLoadState.h"
#include "images/projects/projectLoading.h"
#include "language/StreamKeys.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"

namespace {

std::vector<uint8_t> projectBytes(std::string_view text, std::string_view language = "", bool coded = true)
{
    tMemoryStream file;
    {
        texecodedstream filter(file, kProjectKey);
        tStream& stream = coded ? static_cast<tStream&>(filter) : file;
        const int64_t body = beginProjectStream(stream, language);
        stream.WriteExact(text.data(), int64_t(text.size()));
        closeTextChunk(stream, body, false);
    }
    return file.Bytes();
}

void load(std::vector<uint8_t> bytes, tProjectLoad options = {})
{
    tMemoryStream stream(std::move(bytes));
    if (options.fileName.empty())
        options.fileName = "demo.ZXP";
    loadProject(stream, options);
}

errorConst loadError(std::vector<uint8_t> bytes, tProjectLoad options = {})
{
    try {
        load(std::move(bytes), std::move(options));
    } catch (const eLogoException& error) {
        return error.key;
    }
    return errorConst(-1);
}

TEST(ProjectLoading, RunsTheTextInstructionByInstruction)
{
    tMainObjectWorld world;
    load(projectBytes("; name: \"demo.ZXP\"\r\n\r\nmake \"total\r\n\t3\r\n\r\nto twice :n\r\n  output 2 * :n\r\nend\r\n"
                      "\r\nmake \"total twice :total\r\n"));
    EXPECT_EQ(world.Run("print :total"), "6\n");
}

TEST(ProjectLoading, RefusesWhatIsNoProjectOfThisLanguage)
{
    tMainObjectWorld world;
    std::vector<uint8_t> truncated = projectBytes("print 1\r\n");
    truncated.resize(truncated.size() - 4);
    tMemoryStream newerFile;
    {
        texecodedstream newerFilter(newerFile, kProjectKey);
        writeLgfHeader(newerFilter, 9);
    }
    const std::vector<uint8_t> newer = newerFile.Bytes();
    const std::vector<std::pair<const char*, std::pair<std::vector<uint8_t>, errorConst>>> cases = {
        {"plain text", {{'p', 'r', 'i', 'n', 't', ' ', '1'}, erZembrixProject}},
        {"empty file", {{}, erZembrixProject}},
        {"truncated", {truncated, erZembrixProject}},
        {"not coded", {projectBytes("print 1\r\n", "", false), erZembrixProject}},
        {"newer format", {newer, erImageFileVersion}},
        {"other language", {projectBytes("print 1\r\n", "deutsch"), erUnsupportedLanguage}},
        {"other language, uncoded", {projectBytes("print 1\r\n", "deutsch", false), erUnsupportedLanguage}},
        {"control character", {projectBytes("print \x02\r\n"), erZembrixProject}},
    };
    for (const auto& [what, c] : cases) {
        EXPECT_EQ(loadError(c.first), c.second) << what;
        // The same refusal is available before anything changes ("loadproject" erases first).
        tMemoryStream stream(c.first);
        try {
            checkProjectContainer(stream);
            ADD_FAILURE() << what << ": accepted";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, c.second) << what;
        }
    }
    tMemoryStream good(projectBytes("print 1\r\n", "*"));
    EXPECT_NO_THROW(checkProjectContainer(good));
    EXPECT_EQ(good.Position(), 0);
    EXPECT_EQ(world.Run("print 1"), "1\n");
}

TEST(ProjectLoading, AFailingInstructionStopsTheLoadAndKeepsWhatRanBefore)
{
    tMainObjectWorld world;
    const auto bytes = projectBytes("make \"a 1\r\n\r\nprint 1 / 0\r\n\r\nmake \"b 2\r\n");
    try {
        load(bytes);
        FAIL() << "no error";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erDiv0);
        EXPECT_EQ(error.fileText, "demo.ZXP");
    }
    EXPECT_EQ(world.Run("print :a"), "1\n");
    EXPECT_EQ(world.ErrorOf("print :b"), world.ErrorOf("print :nothing"));

    std::vector<errorConst> reported;
    tProjectLoad goOn;
    goOn.ignoreErrors = true;
    goOn.report = [&](const std::exception& e) { reported.push_back(static_cast<const eLogoException&>(e).key); };
    load(bytes, goOn);
    EXPECT_EQ(reported, std::vector<errorConst>{erDiv0});
    EXPECT_EQ(world.Run("print :b"), "2\n");
}

TEST(ProjectLoading, VerboseEchoesEveryInstructionAndParametersAreReadable)
{
    tMainObjectWorld world;
    tLogoRef<tlogoobject> parameters(tLogoList::Cons(
        new tLogoString("verbose"), tLogoList::Cons(new tLogoString("true"), nullptr)));
    std::vector<std::string> echoed;
    tProjectLoad options;
    options.parameters = parameters.get();
    options.echo = [&](const std::string& line) { echoed.push_back(line); };
    load(projectBytes("; header\r\n\r\nmake \"x 1\r\n\r\nmake \"y 2\r\n"), options);
    EXPECT_EQ(echoed, (std::vector<std::string>{"; header", "make \"x 1", "make \"y 2"}));

    echoed.clear();
    options.parameters = nullptr;
    load(projectBytes("make \"x 1\r\n"), options);
    EXPECT_TRUE(echoed.empty());
    EXPECT_FALSE(loadRunning());
}

}  // namespace
