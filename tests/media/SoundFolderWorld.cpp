#include "SoundFolderWorld.h"

#include <unistd.h>

#include <fstream>

#include "RecordingSoundDevice.h"
#include "WaveFixtures.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tMainLogoObject.h"
#include "media/startMedia.h"
#include "music/MusicPrimitives.h"

tSoundFolderWorld::tSoundFolderWorld()
    : folder(std::filesystem::temp_directory_path() / ("zx-media-" + std::to_string(getpid())))
{
    registerMusicPrimitives(*mainLogoObject().procTable);
    startMedia();
    setUpFilePaths();
    std::filesystem::create_directories(folder);
    std::ofstream(Path("short.wav"), std::ios::binary) << countingWave(300);
    std::ofstream(Path("long.WAV"), std::ios::binary) << countingWave(8000);
    std::ofstream(Path("noise.wav"), std::ios::binary) << "not a sound at all";
    // Found by their bare names: a "/" would end a quoted word.
    keptFolders = searchFolders(fkSound);
    setSearchFolders(fkSound, {folder.string() + "/"});
    useNoDevice();
}

tSoundFolderWorld::~tSoundFolderWorld()
{
    useNoDevice();
    setSearchFolders(fkSound, keptFolders);
    std::filesystem::remove_all(folder);
}
