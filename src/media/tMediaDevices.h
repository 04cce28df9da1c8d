#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "media/mciCommands.h"
#include "media/tPcmSound.h"

class tSoundPlayback;

// The sound files opened by media-control commands, each under its alias, with where it stands
// and what plays it. Commands may come from any process; each holds the lock only briefly.
class tMediaDevices {
public:
    static tMediaDevices& Instance();

    struct tAnswer {
        std::string text;                         // status: the value asked for; else empty
        std::shared_ptr<tSoundPlayback> playing;  // play: the sound it started or resumed
    };
    // erMCI for an alias that is not open (or already is, for "open"), erMCIFileProblem for a
    // file that cannot be opened.
    tAnswer Run(const tMciCommand& command);

private:
    struct tOpened {
        std::shared_ptr<const tPcmSound> sound;
        std::shared_ptr<tSoundPlayback> playback;
        int64_t start = 0;  // where the playback started, or where a stop or seek left it
    };

    tOpened& Opened(const std::string& alias);
    static int64_t Position(const tOpened& opened);
    static std::string Mode(const tOpened& opened);
    static void Halt(tOpened& opened);
    std::shared_ptr<tSoundPlayback> Play(tOpened& opened, const tMciCommand& command);

    std::mutex guard;
    std::map<std::string, tOpened> opened;  // by the alias in lower case
};
