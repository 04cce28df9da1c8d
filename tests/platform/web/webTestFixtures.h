#pragma once

#include "LoopbackFtpServer.h"
#include "LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

class tMainObjectWorld;

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// The message of the error the lines end with, as a report shows it (the primitive's name in
// place); empty when they end without one.
std::string errorMessageOf(tMainObjectWorld& world, const std::string& lines);

// vsftpd serving a fresh folder; skipped where vsftpd is not installed.
class tFtpServerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { server.reset(); }

    std::filesystem::path remote(const std::string& name) const { return server->remote(name); }
    std::filesystem::path local(const std::string& name) const { return server->local(name); }

    std::unique_ptr<tLoopbackFtpServer> server;
    std::string base;  // "ftp://127.0.0.1:PORT/"
};

// The loopback HTTP server serving the folder "served" of a fresh folder; skipped where python3
// cannot start it.
class tHttpServerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path served(const std::string& name) const { return folder / "served" / name; }
    std::filesystem::path local(const std::string& name) const { return folder / name; }

    std::filesystem::path folder;
    std::unique_ptr<tLoopbackHttpServer> server;
    std::string base;  // "http://127.0.0.1:PORT/"
};
