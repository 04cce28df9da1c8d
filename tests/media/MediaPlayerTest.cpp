#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "SoundFolderWorld.h"
#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectLifecycle.h"
#include "processes/tInterpreterLock.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Media players playing the test's sound files in silence; their events print a word each.
class MediaPlayer : public tSoundFolderWorld {
protected:
    MediaPlayer()
    {
        world.Run("make \"heard [] new \"mediaplayer [name p] ask \"p [" + Hears("onbegin", "begin") +
                  Hears("onplaystatechange", "state") + Hears("oncomplete", "complete") +
                  Hears("onstatuschanged", "status") + Hears("onpositionchange", "moved") + "]");
    }
    ~MediaPlayer() override { Erase(); }

    // Each handler is a process of its own, and they run while the test's lines run: they note
    // what they heard in a list.
    static std::string Hears(const std::string& event, const std::string& word)
    {
        return "setevent \"" + event + " [make \"heard lput \"" + word + " :heard] ";
    }

    void Erase()
    {
        if (tmultiobject* player = mainLogoObject().FindOwn(nameCode("p"))) destroyObject(player);
    }

    // Lets the playing and the handler processes run for a while.
    void Let(std::chrono::milliseconds time)
    {
        tInterpreterLock::Instance().Unlock();
        std::this_thread::sleep_for(time);
        tInterpreterLock::Instance().Lock();
    }

    // What the handlers heard since the last call, sorted (they may run in any order), once
    // there are `count` (or in a generous time) and a while after, for any more to show.
    std::vector<std::string> Handled(size_t count)
    {
        const auto limit = Clock::now() + 10s;
        while (std::stoul(world.Run("print count :heard")) < count && Clock::now() < limit) Let(5ms);
        Let(50ms);
        std::istringstream heard(world.Run("print :heard make \"heard []"));
        std::vector<std::string> words;
        for (std::string word; heard >> word;) words.push_back(word);
        std::sort(words.begin(), words.end());
        return words;
    }

    std::string Ask(const std::string& lines) { return world.Run("ask \"p [" + lines + "]"); }
    std::string ErrorOf(const std::string& lines) { return world.ErrorOf("ask \"p [" + lines + "]"); }
};

using Words = std::vector<std::string>;

TEST_F(MediaPlayer, WithoutAFileItOnlyStandsAtTheStart)
{
    EXPECT_EQ(Ask("show (list filename playstate position)"), "[ stopped 0]\n");
    EXPECT_EQ(ErrorOf("setplaystate \"playing"), "erVideoMissingFile");
    EXPECT_EQ(ErrorOf("setposition 10"), "erVideoMissingFile");
    // What a stored player without a file sets.
    EXPECT_EQ(ErrorOf("setposition 0 setplaystate \"stopped"), "none");
    EXPECT_EQ(ErrorOf("setfilename \"nothere"), "erExpectWav");
    EXPECT_EQ(ErrorOf("setfilename \"noise"), "erMCIFileProblem");
    EXPECT_EQ(ErrorOf("setfilename [short]"), "erExpectWord");
    EXPECT_EQ(Ask("print count filename"), "0\n");
    EXPECT_EQ(Handled(0), Words{});
}

TEST_F(MediaPlayer, AFilePlaysToItsEndAndFromTheStartAgain)
{
    EXPECT_EQ(ErrorOf("setfilename \"short"), "none");
    EXPECT_EQ(Handled(1), Words{"status"});
    EXPECT_EQ(Ask("print filename"), "short\n");
    EXPECT_EQ(ErrorOf("setplaystate \"bouncing"), "erBadValue");
    const auto start = Clock::now();
    EXPECT_EQ(Ask("setplaystate \"playing print playstate"), "playing\n");
    EXPECT_EQ(Handled(4), (Words{"begin", "complete", "state", "state"}));
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(Ask("print (list playstate position)"), "stopped 300\n");
    // Played to its end, it plays from the start again.
    EXPECT_EQ(Ask("setplaystate \"PLAYING print position < 300"), "true\n");
    EXPECT_EQ(Handled(4), (Words{"begin", "complete", "state", "state"}));
}

TEST_F(MediaPlayer, PauseKeepsThePlaceStopGoesBackAndAMoveGoesOnPlayingFromThere)
{
    ASSERT_EQ(ErrorOf("setfilename \"long setplaystate \"playing"), "none");
    EXPECT_EQ(Handled(3), (Words{"begin", "state", "status"}));
    Let(200ms);
    EXPECT_EQ(Ask("setplaystate \"paused print playstate"), "paused\n");
    const int paused = std::stoi(Ask("print position"));
    EXPECT_GT(paused, 0);
    EXPECT_LT(paused, 8000);
    Let(200ms);
    EXPECT_EQ(Ask("print position"), std::to_string(paused) + "\n");
    EXPECT_EQ(ErrorOf("setplaystate \"paused"), "none");
    EXPECT_EQ(Handled(1), Words{"state"});

    // Going on from a pause is no new beginning.
    EXPECT_EQ(ErrorOf("setplaystate \"playing setposition 7900"), "none");
    EXPECT_EQ(Handled(4), (Words{"complete", "moved", "state", "state"}));
    EXPECT_EQ(Ask("print (list playstate position)"), "stopped 8000\n");

    ASSERT_EQ(ErrorOf("setposition 5000 setplaystate \"playing setplaystate \"stopped"), "none");
    EXPECT_EQ(Ask("print (list playstate position)"), "stopped 0\n");
    EXPECT_EQ(ErrorOf("setplaystate \"paused"), "erVideoState");
    EXPECT_EQ(ErrorOf("setposition 9000 print position"), "none");
    EXPECT_EQ(Ask("print position"), "8000\n");
    EXPECT_EQ(Handled(5), (Words{"begin", "moved", "moved", "state", "state"}));
}

TEST_F(MediaPlayer, AnErasedOrReopenedPlayerFallsSilentWithoutCompleting)
{
    ASSERT_EQ(ErrorOf("setfilename \"short setplaystate \"playing setfilename \"long"), "none");
    EXPECT_EQ(Ask("print (list filename playstate position)"), "long stopped 0\n");
    Let(500ms);
    EXPECT_EQ(Handled(5), (Words{"begin", "state", "state", "status", "status"}));
    ASSERT_EQ(ErrorOf("setfilename \"short setplaystate \"playing"), "none");
    EXPECT_EQ(Handled(3), (Words{"begin", "state", "status"}));
    Erase();
    Let(500ms);
    EXPECT_EQ(Handled(0), Words{});
}

}  // namespace
