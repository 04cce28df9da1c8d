#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "music/tMelodyPlayer.h"
#include "music/tMidiOutput.h"

// What reached the synthesizer, each message stamped with the virtual time it was sent at,
// e.g. "500 off 0 73 127".
struct tMidiLog {
    int64_t now = 0;
    std::vector<std::string> messages;
    int opened = 0;
    int closed = 0;
    void Add(const std::string& message) { messages.push_back(std::to_string(now) + " " + message); }
};

class tRecordingOutput : public tMidiOutput {
public:
    explicit tRecordingOutput(tMidiLog& log) : log(log) { ++log.opened; }
    ~tRecordingOutput() override { ++log.closed; }

    void NoteOn(int channel, int note, int velocity) override { Add("on", channel, note, velocity); }
    void NoteOff(int channel, int note, int velocity) override { Add("off", channel, note, velocity); }
    void ProgramChange(int channel, int program) override { Add("program", channel, program); }
    void ControlChange(int channel, int controller, int value) override { Add("control", channel, controller, value); }
    void Reset() override { log.Add("reset"); }

private:
    void Add(const char* what, int channel, int a, int b = -1)
    {
        std::string text = std::string(what) + " " + std::to_string(channel) + " " + std::to_string(a);
        if (b >= 0) text += " " + std::to_string(b);
        log.Add(text);
    }
    tMidiLog& log;
};

// Virtual time: a wait advances the log's clock at once. A stop can be arranged for a moment.
class tVirtualClock : public tNoteClock {
public:
    explicit tVirtualClock(tMidiLog& log) : log(log) {}
    tWaitEnd Wait(int32_t milliseconds) override
    {
        if (stopAt >= 0 && log.now + milliseconds >= stopAt) {
            log.now = stopAt;
            stopped = true;
            return kStopped;
        }
        log.now += milliseconds;
        return kElapsed;
    }
    bool StopRequested() const override { return stopped; }

    int64_t stopAt = -1;
    bool stopped = false;

private:
    tMidiLog& log;
};

// Makes the program-wide channels open recording outputs (or none, `withOutput` false) and
// resets the program-wide settings.
void useRecordingOutput(tMidiLog& log, bool withOutput = true);

// A player from the reset settings on a recording output; the log keeps what came after the
// player's set-up unless asked to keep that too.
struct tRecordedPlayer {
    explicit tRecordedPlayer(bool withOutput = true, bool keepSetUp = false);

    tMidiLog log;
    tVirtualClock clock{log};
    std::unique_ptr<tMelodyPlayer> player;
};
