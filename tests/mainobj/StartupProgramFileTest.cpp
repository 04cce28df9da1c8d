#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "images/lgfText.h"
#include "language/EmbeddedFileWriter.h"
#include "language/StreamKeys.h"
#include "language/tMemoryStream.h"

// Copies of the program that carry a project and, for one case, another start-up program,
// run as the console: what the start-up sequence loads, in which order, and how it reports.

namespace fs = std::filesystem;

namespace {

// The file's text with plain line feeds.
std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream stream;
    stream << in.rdbuf();
    std::string text = stream.str();
    std::erase(text, '\r');
    return text;
}

// A project container as the saver writes it, before the project key codes it.
std::vector<uint8_t> projectOf(std::string_view text)
{
    tMemoryStream plain;
    const int64_t body = beginProjectStream(plain, "english");
    plain.WriteExact(text.data(), static_cast<int64_t>(text.size()));
    closeTextChunk(plain, body, false);
    return plain.Bytes();
}

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

struct tRun {
    std::string out;
    std::string err;
    int status = -1;
};

class CarriedProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("zx-carried-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        program = folder / "zembrix";
        fs::copy_file(ZEMBRIX_PROGRAM, program);
    }
    void TearDown() override { fs::remove_all(folder); }

    void Carry(const char* name, const std::vector<uint8_t>& bytes)
    {
        appendEmbeddedFile(program.string(), name, bytes, kProjectKey);
    }

    tRun Run()
    {
        const std::string command = "cd '" + folder.string() + "' && ./zembrix --console < /dev/null > out.txt 2> err.txt";
        tRun run;
        const int result = std::system(command.c_str());
        run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
        run.out = readFile(folder / "out.txt");
        run.err = readFile(folder / "err.txt");
        return run;
    }

    fs::path folder;
    fs::path program;
};

const char kStartupProcedure[] = "mainwindow1'to startup\r\nprint [startup ran]\r\nend\r\n\r\n";

TEST_F(CarriedProject, RunsAfterTheStartupProgramAndBeforeTheWindowsStartupProcedure)
{
    Carry("*project.zxp", projectOf(std::string(kStartupProcedure) + "print iseq 1 3\r\n\r\nprint [project ran]\r\n"));
    const tRun run = Run();
    // iseq comes from the start-up program.
    EXPECT_EQ(run.out, "1 2 3\nproject ran\nstartup ran\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

TEST_F(CarriedProject, AnErrorInTheProjectIsShownOnceAndTheStartupProcedureDoesNotRun)
{
    Carry("*project.zxp", projectOf(std::string(kStartupProcedure) + "print [before]\r\n\r\nnosuchprocedure\r\n\r\nprint [after]\r\n"));
    const tRun run = Run();
    EXPECT_EQ(run.out, "before\n");
    EXPECT_EQ(run.err.find("Error in the file *project.zxp"), 0u) << run.err;
    EXPECT_NE(run.err.find("nosuchprocedure"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Error in", 1), std::string::npos) << run.err;
    EXPECT_EQ(run.status, 1);
}

TEST_F(CarriedProject, OnlyTheStartupProgramMakesSystemEntries)
{
    // Option "state" adds 8 and 16 while new definitions are system entries.
    Carry("exe.bin", bytesOf(";!\r\n\xB7print \xB7option \"state\r\n"));
    Carry("*project.zxp", projectOf("print option \"state\r\n"));
    const tRun run = Run();
    EXPECT_EQ(run.out, "536\n512\n");
    EXPECT_EQ(run.status, 0);
}

TEST_F(CarriedProject, AnErrorInTheStartupProgramStopsBeforeTheProject)
{
    Carry("exe.bin", bytesOf(";!\r\nprint [program]\r\nnosuchprocedure\r\nprint [not reached]\r\n"));
    Carry("*project.zxp", projectOf(std::string(kStartupProcedure) + "print [project ran]\r\n"));
    const tRun run = Run();
    EXPECT_EQ(run.out, "program\n");
    EXPECT_EQ(run.err.find("Error in the start-up program"), 0u) << run.err;
    EXPECT_EQ(run.err.find("Error in", 1), std::string::npos) << run.err;
    EXPECT_EQ(run.status, 1);
}

}  // namespace
