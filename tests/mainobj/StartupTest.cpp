#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "language/EmbeddedFileWriter.h"
#include "language/Language.h"
#include "language/StreamKeys.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "language/tStartupParams.h"
#include "language/texecodedstream.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/startup/embeddedFiles.h"
#include "mainobj/startup/parameterBlock.h"
#include "mainobj/startup/tstartingcommander.h"
#include "values/eLogoException.h"

namespace {

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// A full block: several copies, key 0x11223344, instance 77, speech output off, debug on,
// language "abc", speech recognition off.
std::vector<uint8_t> fullBlock()
{
    tMemoryStream block;
    block.WriteInt32(0);
    block.WriteByte(1);
    block.WriteInt32(0x11223344);
    block.WriteInt32(77);
    block.WriteByte(0);
    block.WriteByte(1);
    block.WriteInt32(3);
    block.WriteExact("abc", 3);
    block.WriteByte(0);
    return block.Bytes();
}

tParameterBlock readCut(std::vector<uint8_t> bytes, size_t length)
{
    bytes.resize(length);
    tMemoryStream stream(std::move(bytes));
    return readParameterBlock(stream);
}

TEST(ParameterBlock, FieldsReadBeforeTheEndKeepTheirValuesAndTheRestTheirDefaults)
{
    const std::vector<uint8_t> full = fullBlock();
    const tParameterBlock defaults;
    EXPECT_FALSE(defaults.severalCopies);
    EXPECT_TRUE(defaults.speechOutput);
    EXPECT_TRUE(defaults.speechRecognition);

    const tParameterBlock whole = readCut(full, full.size());
    EXPECT_TRUE(whole.severalCopies);
    EXPECT_EQ(whole.projectKey, 0x11223344u);
    EXPECT_EQ(whole.instanceId, 77);
    EXPECT_FALSE(whole.speechOutput);
    EXPECT_TRUE(whole.debug);
    EXPECT_EQ(whole.interfaceLanguage, "abc");
    EXPECT_FALSE(whole.speechRecognition);

    struct Cut {
        size_t length;
        bool severalCopies;
        uint32_t projectKey;
        int32_t instanceId;
        bool debug;
        std::string language;
    };
    const Cut cuts[] = {
        {0, false, kProjectKey, 0, false, ""},
        {5, true, kProjectKey, 0, false, ""},
        {7, true, kProjectKey, 0, false, ""},  // inside the key
        {13, true, 0x11223344u, 77, false, ""},
        {17, true, 0x11223344u, 77, true, ""},  // inside the language's length
        {21, true, 0x11223344u, 77, true, ""},  // a language longer than what is left
        {full.size() - 1, true, 0x11223344u, 77, true, "abc"},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.length);
        const tParameterBlock block = readCut(full, cut.length);
        EXPECT_EQ(block.severalCopies, cut.severalCopies);
        EXPECT_EQ(block.projectKey, cut.projectKey);
        EXPECT_EQ(block.instanceId, cut.instanceId);
        EXPECT_EQ(block.debug, cut.debug);
        EXPECT_EQ(block.interfaceLanguage, cut.language);
        EXPECT_TRUE(block.speechRecognition);
    }
    EXPECT_FALSE(readCut(full, 14).speechOutput);
}

TEST(ParameterBlock, SpeechRecognitionSwitchesSpeechOutputOn)
{
    std::vector<uint8_t> block = fullBlock();
    block.back() = 1;
    const tParameterBlock read = readCut(block, block.size());
    EXPECT_TRUE(read.speechRecognition);
    EXPECT_TRUE(read.speechOutput);
}

// A stand-in program file with the given files embedded.
class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = (std::filesystem::temp_directory_path() /
                ("zx-startup-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                   .string();
        tFileStream out(path, tFileStream::create);
        const std::string program(3000, 'p');
        out.WriteExact(program.data(), static_cast<int64_t>(program.size()));
    }
    void TearDown() override { std::remove(path.c_str()); }

    std::string path;
};

TEST_F(ProgramFile, ParametersAreReadFromTheEmbeddedBlockOrStayDefaults)
{
    EXPECT_EQ(embeddedParameterBlock(tEmbeddedDirectory(path)).instanceId, 0);
    EXPECT_FALSE(embeddedParameterBlock(tEmbeddedDirectory(path)).severalCopies);
    appendEmbeddedFile(path, kStartupParamsName, fullBlock(), kEmbeddedDataKey);
    const tParameterBlock block = embeddedParameterBlock(tEmbeddedDirectory(path));
    EXPECT_EQ(block.instanceId, 77);
    EXPECT_EQ(block.interfaceLanguage, "abc");
}

std::string decoded(tStream& stored)
{
    texecodedstream filter(stored, kProjectKey);
    std::string text(static_cast<size_t>(stored.Size()), '\0');
    filter.ReadExact(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

TEST_F(ProgramFile, StarredNamesFindTheCarriedFiles)
{
    appendEmbeddedFile(path, "exe.bin", bytesOf("print 1"), kProjectKey);
    appendEmbeddedFile(path, "*project.zxp", bytesOf("LGF04 project"), kProjectKey);
    const tEmbeddedDirectory directory(path);

    // The start-up program is stored without the asterisk, the project with it; both come
    // back as stored, for the loader's filter.
    EXPECT_EQ(decoded(*openEmbeddedFile("*exe.bin", directory)), "print 1");
    EXPECT_EQ(decoded(*openEmbeddedFile("*EXE.BIN", directory)), "print 1");
    EXPECT_EQ(decoded(*openEmbeddedFile("*project.zxp", directory)), "LGF04 project");
    EXPECT_TRUE(programCarries(kEmbeddedProjectName, directory));
    EXPECT_FALSE(programCarries("exe.bin", directory));
    EXPECT_FALSE(namesEmbeddedFile("*"));

    try {
        openEmbeddedFile("*other.zxp", directory);
        ADD_FAILURE() << "a file the program does not carry was opened";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erFileName);
    }
}

TEST(StartingCommander, KeepsTheErrorTextInsteadOfShowingIt)
{
    startInterpreter();
    eLogoException inProcedure("first\r\nsecond", nullptr);
    inProcedure.procedureName = "square";
    const eLogoException outside(erDoNotKnowHowTo, tCulpritName{nameCode("foo")});
    const std::runtime_error other("broken");
    const struct {
        const std::exception& error;
        std::string text;
    } cases[] = {
        {inProcedure, "square: first\n\nsecond"},
        {outside, "I don't know how to foo"},
        {other, "broken"},
    };
    for (const auto& shown : cases) {
        tstartingcommander commander(nullptr);
        EXPECT_EQ(commander.ErrorText(), "");
        commander.ShowError(shown.error);
        EXPECT_EQ(commander.ErrorText(), shown.text);
    }
    // The raiser's error is left unformatted.
    EXPECT_EQ(outside.formatted, 0);
}

}  // namespace
