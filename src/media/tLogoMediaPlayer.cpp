#include "media/tLogoMediaPlayer.h"

#include <algorithm>

#include "interpreter/tProcessContext.h"
#include "media/soundExcerpt.h"
#include "media/soundFiles.h"
#include "media/soundWaiting.h"
#include "media/tSoundPlayback.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"

namespace {

// "@player": waits for one playback without the interpreter lock and tells the player when it
// has ended. It holds the player but does not run in it, so erasing the player does not stop
// it: the erased player has let go of the playback, and the report finds nothing to do.
class tPlaybackWatch : public tLogoprocess {
public:
    tPlaybackWatch(tProcessStart start, tLogoMediaPlayer& player, std::shared_ptr<tSoundPlayback> playback)
        : tLogoprocess(std::move(start)), player(&player), playback(std::move(playback))
    {
    }

    void RunOnce() override
    {
        waitForSound(*playback);
        static_cast<tLogoMediaPlayer*>(player.get())->Ended(playback);
        playback.reset();
        RequestStop();
    }

    void ReleaseLogoValues() override { player = nullptr; }

private:
    tLogoRef<tlogoobject> player;
    std::shared_ptr<tSoundPlayback> playback;
};

void watch(tLogoMediaPlayer& player, std::shared_ptr<tSoundPlayback> playback)
{
    tProcessStart start;
    start.name = "@player";
    start.kind = ipMCINotify;
    tLogoprocess::Start<tPlaybackWatch>(std::move(start), player, std::move(playback));
}

}  // namespace

tLogoMediaPlayer::~tLogoMediaPlayer() { Release(); }

tControlObject* tLogoMediaPlayer::Make(tLogoStack& stack, const std::string& name)
{
    return new tLogoMediaPlayer(&stack, name, 1);
}

tLogoMediaPlayer& tLogoMediaPlayer::Of(tmultiobject& object)
{
    auto* player = dynamic_cast<tLogoMediaPlayer*>(&object);
    if (!player) throw eLogoException(erInitMedia);
    return *player;
}

void tLogoMediaPlayer::Open(const std::string& name)
{
    std::shared_ptr<const tPcmSound> loaded = name.empty() ? nullptr : loadSoundFile(name, erExpectWav);
    Halt();
    fileName = name;
    sound = std::move(loaded);
    start = 0;
    ChangeState(tPlayState::kStopped);
    fireEvent(*this, eventCode(tEventKey::onStatusChanged));
}

void tLogoMediaPlayer::SetState(tPlayState wanted)
{
    if (wanted == state) return;
    if (!sound) throw eLogoException(erVideoMissingFile);
    switch (wanted) {
    case tPlayState::kPlaying: {
        const bool fromStop = state == tPlayState::kStopped;
        if (start >= Length()) start = 0;
        StartPlaying();
        ChangeState(tPlayState::kPlaying);
        if (fromStop) fireEvent(*this, eventCode(tEventKey::onBegin));
        return;
    }
    case tPlayState::kPaused:
        if (state == tPlayState::kStopped) throw eLogoException(erVideoState);
        start = Position();
        Halt();
        ChangeState(tPlayState::kPaused);
        return;
    case tPlayState::kStopped:
        Halt();
        start = 0;
        ChangeState(tPlayState::kStopped);
        return;
    }
}

int64_t tLogoMediaPlayer::Position() const
{
    if (!playback) return start;
    return std::min(start + playback->PositionMilliseconds(), Length());
}

void tLogoMediaPlayer::Seek(int64_t milliseconds)
{
    // Without a file there is only the start (a stored player without one sets it).
    if (!sound) {
        if (milliseconds != 0) throw eLogoException(erVideoMissingFile);
        return;
    }
    Halt();
    start = std::clamp<int64_t>(milliseconds, 0, Length());
    if (state == tPlayState::kPlaying && start >= Length()) {
        start = Length();
        ChangeState(tPlayState::kStopped);
    } else if (state == tPlayState::kPlaying) {
        StartPlaying();
    }
    fireEvent(*this, eventCode(tEventKey::onPositionChange));
}

void tLogoMediaPlayer::Release() { Halt(); }

void tLogoMediaPlayer::Ended(const std::shared_ptr<tSoundPlayback>& ended)
{
    // A playback the player already let go of (paused, moved, stopped) reports nothing.
    if (ended != playback) return;
    const bool completed = playback->Completed();
    start = completed ? Length() : Position();
    playback.reset();
    ChangeState(tPlayState::kStopped);
    if (completed) fireEvent(*this, eventCode(tEventKey::onComplete));
}

void tLogoMediaPlayer::StartPlaying()
{
    playback = std::make_shared<tSoundPlayback>(soundBetween(*sound, start, Length()), false);
    watch(*this, playback);
}

void tLogoMediaPlayer::Halt()
{
    if (!playback) return;
    // Taken first, so that the watch's report finds it let go of.
    std::shared_ptr<tSoundPlayback> halted = std::move(playback);
    halted->Stop();
}

void tLogoMediaPlayer::ChangeState(tPlayState next)
{
    if (next == state) return;
    state = next;
    fireEvent(*this, eventCode(tEventKey::onPlayStateChange));
}
