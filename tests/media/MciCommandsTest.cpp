#include <gtest/gtest.h>

#include "media/mciCommands.h"
#include "values/eLogoException.h"

namespace {

tMciCommand command(tMciCommand::Verb verb, std::string device)
{
    tMciCommand read;
    read.verb = verb;
    read.device = std::move(device);
    return read;
}

template <class Change>
tMciCommand with(tMciCommand read, Change change)
{
    change(read);
    return read;
}

TEST(MciCommands, CommandStringsAreRead)
{
    const std::pair<const char*, tMciCommand> cases[] = {
        {"open ding.wav", with(command(tMciCommand::kOpen, "ding.wav"), [](auto& c) { c.alias = "ding.wav"; })},
        {"OPEN \"my ding.wav\" type waveaudio alias Bell",
         with(command(tMciCommand::kOpen, "my ding.wav"), [](auto& c) { c.alias = "Bell"; })},
        {"play bell", command(tMciCommand::kPlay, "bell")},
        {"play bell from 500 to 1500 wait", with(command(tMciCommand::kPlay, "bell"), [](auto& c) {
             c.from = 500;
             c.to = 1500;
             c.wait = true;
         })},
        {"  play   bell repeat ", with(command(tMciCommand::kPlay, "bell"), [](auto& c) { c.repeat = true; })},
        {"stop bell", command(tMciCommand::kStop, "bell")},
        {"pause bell wait", with(command(tMciCommand::kPause, "bell"), [](auto& c) { c.wait = true; })},
        {"resume bell", command(tMciCommand::kResume, "bell")},
        {"seek bell to start", with(command(tMciCommand::kSeek, "bell"), [](auto& c) { c.from = 0; })},
        {"seek bell to 250", with(command(tMciCommand::kSeek, "bell"), [](auto& c) { c.from = 250; })},
        {"seek bell to END", with(command(tMciCommand::kSeek, "bell"), [](auto& c) { c.toEnd = true; })},
        {"close all", command(tMciCommand::kClose, "all")},
        {"status bell length", with(command(tMciCommand::kStatus, "bell"), [](auto& c) { c.item = tMciCommand::kLength; })},
        {"status bell Mode", with(command(tMciCommand::kStatus, "bell"), [](auto& c) { c.item = tMciCommand::kMode; })},
        {"set bell time format milliseconds", command(tMciCommand::kSet, "bell")},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(readMciCommand(text), expected) << text;
}

TEST(MciCommands, WhatTheMediaPlayerDoesNotKnowFails)
{
    const char* cases[] = {
        "",                                  // no verb
        "record bell",                       // a verb it does not know
        "play",                              // no device
        "play bell loudly",                  // an option the verb does not take
        "stop bell from 5",                  // an option of another verb
        "play bell from",                    // an option without its value
        "play bell from soon",               // a value that is not a number
        "play bell to -5",                   // nor a time
        "seek bell",                         // where to?
        "seek bell to middle",               //
        "status bell",                       // which item?
        "status bell length mode",           // one item at a time
        "set bell time format frames",       // only milliseconds
        "set bell time",                     //
        "open \"ding.wav alias bell",        // a quote not closed
    };
    for (const char* text : cases) {
        try {
            readMciCommand(text);
            ADD_FAILURE() << "read: " << text;
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, erMCI) << text;
        }
    }
}

}  // namespace
