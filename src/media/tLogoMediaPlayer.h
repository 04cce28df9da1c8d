#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "media/tPcmSound.h"
#include "objects/tControlObject.h"

class tSoundPlayback;

enum class tPlayState { kStopped, kPlaying, kPaused };

// A media player object: an instance of the media player class, playing one sound file. It
// plays through the sound output, or timed in silence without one, so a program hears the same
// events either way. Used under the interpreter lock.
//
// Events: "onStatusChanged" when another file is opened (or the file closed), "onBegin" when
// playing starts from a stop, "onPlayStateChange" whenever the state changes, "onComplete"
// when the file has played to its end, "onPositionChange" when the program moves the position.
// Each runs as a process of its own.
class tLogoMediaPlayer : public tControlObject {
public:
    using tControlObject::tControlObject;
    ~tLogoMediaPlayer() override;

    const char* ClassName() const override { return "tLogoMediaPlayer"; }
    // What "new" makes for the media player class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);

    // The player a property runs on; erInitMedia for anything else.
    static tLogoMediaPlayer& Of(tmultiobject& object);

    // Opens the sound file (stopping what plays; an empty name closes it): erExpectWav when
    // there is no such file, erMCIFileProblem when it cannot be played.
    void Open(const std::string& name);
    const std::string& FileName() const { return fileName; }

    // Play, pause and stop: erVideoMissingFile without a file, erVideoState for a pause while
    // stopped. A stop goes back to the start; playing after the end starts again.
    void SetState(tPlayState wanted);
    tPlayState State() const { return state; }

    // Milliseconds from the start.
    int64_t Position() const;
    // Moves there (kept within the file), playing on from there when it plays (a move to the
    // end stops it). erVideoMissingFile without a file, but for the start.
    void Seek(int64_t milliseconds);
    int64_t Length() const { return sound ? sound->Milliseconds() : 0; }

    // Stops the sound (the object is being erased).
    void Release();

    // The watching process's report that `ended` ended: played to its end or stopped.
    void Ended(const std::shared_ptr<tSoundPlayback>& ended);

private:
    void StartPlaying();
    void Halt();
    void ChangeState(tPlayState next);

    std::string fileName;
    std::shared_ptr<const tPcmSound> sound;
    std::shared_ptr<tSoundPlayback> playback;
    int64_t start = 0;  // where the playback started, or where a pause or seek left it
    tPlayState state = tPlayState::kStopped;
};
