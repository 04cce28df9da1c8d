#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../mainobj/MainObjectWorld.h"

// The main object with the music and media primitives, no sound device, and a folder of sound
// files made for the test, searched for sound files: "short" (300 ms), "long" (8 s) and
// "noise" (not a sound).
class tSoundFolderWorld : public ::testing::Test {
protected:
    tSoundFolderWorld();
    ~tSoundFolderWorld() override;

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    tMainObjectWorld world;
    std::vector<std::string> keptFolders;
    const std::filesystem::path folder;
};
