#include "media/tMediaDevices.h"

#include <algorithm>
#include <cctype>

#include "media/soundExcerpt.h"
#include "media/soundFiles.h"
#include "media/tSoundPlayback.h"
#include "values/eLogoException.h"

namespace {

std::string keyOf(const std::string& alias)
{
    std::string key;
    for (char c : alias) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

tMediaDevices& tMediaDevices::Instance()
{
    static tMediaDevices devices;
    return devices;
}

tMediaDevices::tOpened& tMediaDevices::Opened(const std::string& alias)
{
    auto found = opened.find(keyOf(alias));
    if (found == opened.end()) throw eLogoException(erMCI, alias);
    return found->second;
}

int64_t tMediaDevices::Position(const tOpened& opened)
{
    const int64_t played = opened.playback ? opened.playback->PositionMilliseconds() : 0;
    return std::min(opened.start + played, opened.sound->Milliseconds());
}

std::string tMediaDevices::Mode(const tOpened& opened)
{
    if (!opened.playback || opened.playback->Finished().IsSet()) return "stopped";
    return opened.playback->Paused() ? "paused" : "playing";
}

// Stops the playing, keeping the place it reached.
void tMediaDevices::Halt(tOpened& opened)
{
    if (!opened.playback) return;
    opened.start = Position(opened);
    opened.playback->Stop();
    opened.playback.reset();
}

std::shared_ptr<tSoundPlayback> tMediaDevices::Play(tOpened& opened, const tMciCommand& command)
{
    if (opened.playback && opened.playback->Paused() && !command.from && !command.to) {
        opened.playback->Resume();
        return opened.playback;
    }
    Halt(opened);
    const int64_t length = opened.sound->Milliseconds();
    if (command.from) opened.start = std::min(*command.from, length);
    if (opened.start >= length) opened.start = 0;  // played to the end: again from the start
    const int64_t end = command.to ? std::max(*command.to, opened.start) : length;
    opened.playback = std::make_shared<tSoundPlayback>(soundBetween(*opened.sound, opened.start, end), command.repeat);
    return opened.playback;
}

tMediaDevices::tAnswer tMediaDevices::Run(const tMciCommand& command)
{
    // Read before the lock: a big file takes a moment.
    std::shared_ptr<const tPcmSound> loaded;
    if (command.verb == tMciCommand::kOpen) loaded = loadSoundFile(command.device, erMCIFileProblem);
    std::unique_lock lock(guard);
    tAnswer answer;
    switch (command.verb) {
    case tMciCommand::kOpen:
        if (opened.count(keyOf(command.alias))) throw eLogoException(erMCI, command.alias);
        opened[keyOf(command.alias)].sound = std::move(loaded);
        break;
    case tMciCommand::kPlay:
        answer.playing = Play(Opened(command.device), command);
        break;
    case tMciCommand::kStop:
        Halt(Opened(command.device));
        break;
    case tMciCommand::kPause:
        if (tOpened& device = Opened(command.device); device.playback) device.playback->Pause();
        break;
    case tMciCommand::kResume:
        if (tOpened& device = Opened(command.device); device.playback) device.playback->Resume();
        break;
    case tMciCommand::kSeek: {
        tOpened& device = Opened(command.device);
        Halt(device);
        device.start = command.toEnd ? device.sound->Milliseconds() : std::min(*command.from, device.sound->Milliseconds());
        break;
    }
    case tMciCommand::kClose:
        if (keyOf(command.device) == "all") {
            for (auto& [alias, device] : opened) Halt(device);
            opened.clear();
        } else {
            Halt(Opened(command.device));
            opened.erase(keyOf(command.device));
        }
        break;
    case tMciCommand::kStatus: {
        const tOpened& device = Opened(command.device);
        switch (command.item) {
        case tMciCommand::kLength: answer.text = std::to_string(device.sound->Milliseconds()); break;
        case tMciCommand::kPosition: answer.text = std::to_string(Position(device)); break;
        case tMciCommand::kMode: answer.text = Mode(device); break;
        case tMciCommand::kReady: answer.text = "true"; break;
        case tMciCommand::kNoItem: break;
        }
        break;
    }
    case tMciCommand::kSet:
        Opened(command.device);
        break;
    }
    return answer;
}
