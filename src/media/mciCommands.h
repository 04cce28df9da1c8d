#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One media-control command string, read: "open ding.wav alias bell", "play bell from 500 wait",
// "status bell length", "close all". Words are separated by blanks; a file name with blanks is
// written in double quotes.
struct tMciCommand {
    enum Verb { kOpen, kPlay, kStop, kPause, kResume, kSeek, kClose, kStatus, kSet };
    enum Item { kNoItem, kLength, kPosition, kMode, kReady };

    Verb verb = kOpen;
    std::string device;  // the alias, or for "open" the file; "all" for "close all"
    std::string alias;   // open: the name it is known by afterwards (the file's name when none)
    std::optional<int64_t> from;  // play: milliseconds; seek: where ("to start" is 0, "to end" none)
    std::optional<int64_t> to;
    bool toEnd = false;  // seek to end
    bool wait = false;
    bool repeat = false;  // play ... repeat
    Item item = kNoItem;  // status

    bool operator==(const tMciCommand&) const = default;
};

// The command read from `text`; erMCI (the text as culprit) for an unknown verb, a word the verb
// does not take, a missing device or value, or a number that is not one.
tMciCommand readMciCommand(std::string_view text);
