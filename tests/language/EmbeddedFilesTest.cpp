#include "language/EmbeddedFileWriter.h"
#include "language/InterfaceChoice.h"
#include "language/ProgramFile.h"
#include "language/ProgramFileCheck.h"
#include "language/StreamKeys.h"
#include "language/tExe2MemStream.h"
#include "language/tFileStream.h"
#include "language/tStartupParams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

std::vector<uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::string readAll(tStream& stream)
{
    std::string text(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadExact(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

std::string expectStreamError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const eStreamError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no eStreamError";
    return {};
}

// A stand-in program file: some bytes that end in no trailer.
class EmbeddedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = (std::filesystem::temp_directory_path() /
                ("zx-embedded-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                   .string();
        program.assign(5000, 0);
        for (size_t i = 0; i < program.size(); ++i)
            program[i] = static_cast<char>(i * 7);
        tFileStream out(path, tFileStream::create);
        out.WriteExact(program.data(), static_cast<int64_t>(program.size()));
    }
    void TearDown() override { std::remove(path.c_str()); }

    tStartupParams sampleParams() const
    {
        tStartupParams params;
        params.severalCopies = 0;
        params.instanceId = 4242;
        params.interfaceLanguage = "LithuanianNew";
        return params;
    }

    void embedParams(const tStartupParams& params)
    {
        tMemoryStream plain;
        params.Write(plain);
        appendEmbeddedFile(path, kStartupParamsName, plain.Bytes(), kEmbeddedDataKey);
    }

    std::string path;
    std::string program;
};

TEST_F(EmbeddedFiles, AProgramWithoutTrailerHasAnEmptyDirectory)
{
    const tEmbeddedDirectory directory(path);
    EXPECT_EQ(chooseInterfaceSlot(directory).name, "english");
    EXPECT_EQ(directory.State(), tEmbeddedDirectory::Status::noFiles);
    EXPECT_TRUE(directory.Files().empty());
    EXPECT_EQ(directory.Find(kStartupParamsName), nullptr);
    EXPECT_EQ(directory.ProgramSize(), 5000);
    EXPECT_FALSE(embeddedStartupParams(directory).has_value());
    EXPECT_EQ(expectStreamError([&] { tExe2MemStream stream(kStartupParamsName, directory); }), "exe stream not found");
    tExe2MemStream whole("", directory);
    EXPECT_EQ(readAll(whole), program);
}

TEST_F(EmbeddedFiles, AppendedFilesReadBack)
{
    embedParams(sampleParams());
    appendEmbeddedFile(path, "exe.bin", bytesOf("to start\r\nprint 1\r\nend\r\n"), kProjectKey);

    const tEmbeddedDirectory directory(path);
    ASSERT_EQ(directory.State(), tEmbeddedDirectory::Status::ok);
    ASSERT_EQ(directory.Files().size(), 2u);
    EXPECT_EQ(directory.Files()[0].name, "*params.txt");
    EXPECT_EQ(directory.Files()[1].name, "exe.bin");
    EXPECT_EQ(directory.Files()[0].offset, 5000);
    EXPECT_EQ(directory.ProgramSize(), 5000);

    tExe2MemStream whole("", directory);
    EXPECT_EQ(readAll(whole).substr(0, 5000), program);

    tcodedExe2MemStream startup("EXE.BIN", kProjectKey, directory);
    EXPECT_EQ(readAll(startup), "to start\r\nprint 1\r\nend\r\n");
    tExe2MemStream raw("exe.bin", directory);
    EXPECT_NE(readAll(raw), "to start\r\nprint 1\r\nend\r\n");

    const auto params = embeddedStartupParams(directory);
    ASSERT_TRUE(params.has_value());
    EXPECT_EQ(params->severalCopies, 0);
    EXPECT_EQ(params->projectKey, kProjectKey);
    EXPECT_EQ(params->instanceId, 4242);
    EXPECT_EQ(params->interfaceLanguage, "LithuanianNew");
    EXPECT_EQ(chooseInterfaceSlot(directory).name, "lithuanian");
}

TEST_F(EmbeddedFiles, AppendingANameAgainReplacesTheFile)
{
    appendEmbeddedFile(path, "exe.bin", bytesOf("old and long"), kProjectKey);
    embedParams(sampleParams());
    appendEmbeddedFile(path, "EXE.bin", bytesOf("new"), kProjectKey);

    const tEmbeddedDirectory directory(path);
    ASSERT_EQ(directory.Files().size(), 2u);
    EXPECT_EQ(directory.Files()[0].name, "*params.txt");
    tcodedExe2MemStream startup("exe.bin", kProjectKey, directory);
    EXPECT_EQ(readAll(startup), "new");
    EXPECT_EQ(embeddedStartupParams(directory)->instanceId, 4242);
    // program, parameters (19 bytes + "LithuanianNew"), "new", count, two entries, trailer
    EXPECT_EQ(std::filesystem::file_size(path), 5000 + 32 + 3 + 4 + (12 + 4) + (8 + 4) + 8);
}

TEST_F(EmbeddedFiles, ProgramStreamsAreReadOnly)
{
    embedParams(sampleParams());
    const tEmbeddedDirectory directory(path);
    tExe2MemStream whole("", directory);
    EXPECT_EQ(expectStreamError([&] { whole.Write("x", 1); }), "Cannot write to internal stream");
    tcodedExe2MemStream params(kStartupParamsName, kEmbeddedDataKey, directory);
    EXPECT_EQ(expectStreamError([&] { params.Write("x", 1); }), "Cannot write to internal stream");
}

TEST_F(EmbeddedFiles, ATrailerWhoseDirectoryDoesNotFitIsCorrupt)
{
    embedParams(sampleParams());
    {
        // Claim a directory longer than the whole file; the trailer's own coding is kept.
        tFileStream file(path, tFileStream::openReadWrite);
        const int64_t end = file.Seek(-8, tSeekOrigin::end);
        texecodedstream trailer(file, kEmbeddedDataKey);
        trailer.SeekAndReset(end, tSeekOrigin::begin);
        trailer.WriteInt32(1 << 30);
    }
    const tEmbeddedDirectory directory(path);
    EXPECT_EQ(directory.State(), tEmbeddedDirectory::Status::corrupt);
    EXPECT_TRUE(directory.Files().empty());
    EXPECT_EQ(expectStreamError([&] { tExe2MemStream stream("exe.bin", directory); }), "FileProblem");
    EXPECT_THROW(appendEmbeddedFile(path, "exe.bin", bytesOf("x"), kProjectKey), eStreamError);
    EXPECT_EQ(programFileProblem(path), "FATAL: The file is corrupt " + path);
}

TEST_F(EmbeddedFiles, MissingProgramFile)
{
    const std::string missing = path + "-missing";
    EXPECT_EQ(expectStreamError([&] { tEmbeddedDirectory directory(missing); }), "exe stream error 1 " + missing);
    EXPECT_EQ(programFileProblem(missing), "FATAL: Cannot access files (exe stream error 1 " + missing + ")");
    EXPECT_EQ(programFileProblem(path), "");
}

TEST(ProgramFile, TheTestProgramItselfHasNoEmbeddedFiles)
{
    const tEmbeddedDirectory& own = tEmbeddedDirectory::Program();
    EXPECT_EQ(own.State(), tEmbeddedDirectory::Status::noFiles);
    tExe2MemStream whole("");
    EXPECT_EQ(whole.Size(), static_cast<int64_t>(std::filesystem::file_size(programPath())));
    EXPECT_FALSE(embeddedStartupParams().has_value());
    EXPECT_EQ(programFileProblem(), "");
    EXPECT_EQ(&chooseInterfaceSlot(), &kInterfaceSlots.front());
}

}
