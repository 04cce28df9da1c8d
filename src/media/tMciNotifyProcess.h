#pragma once

#include <memory>

#include "processes/tLogoprocess.h"

class tSoundPlayback;

// "@mci": runs the instruction list given with a media-control "play" once that sound has
// played to its end. A sound stopped or closed before its end runs nothing; a stop of this
// process stops the sound too.
class tMciNotifyProcess : public tLogoprocess {
public:
    tMciNotifyProcess(tProcessStart start, std::shared_ptr<tSoundPlayback> playback)
        : tLogoprocess(std::move(start)), playback(std::move(playback))
    {
    }

    void RunOnce() override;

private:
    std::shared_ptr<tSoundPlayback> playback;
};

// Starts one for the calling process's sound: the list runs with the caller's current object
// and reports through its commander.
void notifyWhenPlayed(std::shared_ptr<tSoundPlayback> playback, tlogoobject* instructions);
