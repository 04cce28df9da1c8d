#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QImage>

#include "images/tLogoImage.h"
#include "images/tLogoPicture.h"
#include "interpreter/Evaluator.h"
#include "language/Language.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tMainLogoObject.h"
#include "net/netImages.h"
#include "objects/objectLifecycle.h"
#include "net/startNet.h"
#include "platform/net/tPosixNetSockets.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "processes/tQueuedWindowThread.h"
#include "values/eLogoException.h"

namespace {

using namespace std::chrono_literals;

// What the program and its handler processes print and report, from any thread.
struct tTranscript {
    std::mutex guard;
    std::string printed;
    std::string errors;
};

class tTranscriptOutput : public tTextOutput {
public:
    explicit tTranscriptOutput(tTranscript& into) : into(into) {}
    void Write(std::string_view text) override
    {
        std::lock_guard<std::mutex> hold(into.guard);
        for (char c : text)
            if (c != '\r') into.printed += c;
    }
    tTranscript& into;
};

class tTranscriptCommander : public tCommander {
public:
    explicit tTranscriptCommander(tTranscript& into) : into(into) {}
    void ShowError(const std::exception& error) override
    {
        auto* logoError = dynamic_cast<const eLogoException*>(&error);
        std::lock_guard<std::mutex> hold(into.guard);
        into.errors += std::string(logoError ? errorConstName(logoError->key) : error.what()) + "\n";
    }
    void Print(const std::string&) override {}
    std::string ReadLine() override { return {}; }
    void Abort() override {}
    tTranscript& into;
};

// Runs C++ work under the interpreter lock, as a process does.
class tWorkProcess : public tLogoprocess {
public:
    tWorkProcess(tProcessStart start, std::function<void()> work) : tLogoprocess(std::move(start)), work(std::move(work)) {}
    void RunOnce() override
    {
        work();
        RequestStop();
    }

private:
    std::function<void()> work;
};

tMainLogoObject& startedMain()
{
    static bool started = [] {
        tInterpreterLock::Holder lock;
        startInterpreter();
        startNet();
        return true;
    }();
    (void)started;
    return mainLogoObject();
}

// One program that is the server and its clients at once, on loopback, as the console runs
// it: each line runs in a process of its own, as the command runner runs typed lines, while
// the test's thread is the window thread, which takes the socket reports and never the
// interpreter lock.
class NetObject : public ::testing::Test {
protected:
    NetObject()
    {
        installWindowThread(&window);
        installNetSockets(&sockets);
        RunInProcess([this] { main.SelectOutput(std::make_unique<tTranscriptOutput>(transcript)); });
        setDefaultCommander(commander);
        EXPECT_EQ(Run("new \"net [name hub style server port 0 nickname boss] ask \"hub [connect]"), "none");
    }
    ~NetObject() override
    {
        Run("ask \"hub [disconnect]");
        // Handlers still running end before the world they live in goes.
        Serve([] { return false; }, 100ms);
        RunInProcess([this] {
            // The net class stays for the next test.
            for (uint32_t code : objectCodes())
                if (code != nameCode(primaryWord("class", "net"))) destroyObject(main.FindOwn(code));
            main.SelectOutput(nullptr);
        });
        setDefaultCommander(nullptr);
        installNetSockets(nullptr);
        installWindowThread(nullptr);
    }

    std::vector<uint32_t> objectCodes()
    {
        std::vector<uint32_t> codes;
        main.objects->ForEachEntry(
            [](void* data, tTabDesc* entry) { static_cast<std::vector<uint32_t>*>(data)->push_back(entry->code); },
            &codes);
        return codes;
    }

    // Runs the line in a process and serves the window thread until it has ended; the key of
    // the error it ended with, or "none".
    std::string Run(const std::string& line)
    {
        RunInProcess([line] { RunText(line); });
        std::lock_guard<std::mutex> hold(lineErrors.guard);
        std::string key = lineErrors.errors.empty() ? "none" : lineErrors.errors.substr(0, lineErrors.errors.size() - 1);
        lineErrors.errors.clear();
        return key;
    }

    // The window thread never takes the interpreter lock: what needs it runs in a process.
    void RunInProcess(std::function<void()> work)
    {
        tProcessStart start;
        start.name = "line";
        start.openFrame = true;
        start.commander = lineCommander;
        tLogoprocess::Start<tWorkProcess>(std::move(start), std::move(work))->WaitForEnd();
    }

    // Serves the window thread until the condition holds; false when it does not in time.
    bool Serve(const std::function<bool()>& done, std::chrono::milliseconds within = 5s)
    {
        const auto limit = std::chrono::steady_clock::now() + within;
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) return false;
            if (window.RunPending() == 0) std::this_thread::sleep_for(1ms);
        }
        return true;
    }

    size_t Lines()
    {
        std::lock_guard<std::mutex> hold(transcript.guard);
        return std::count(transcript.printed.begin(), transcript.printed.end(), '\n');
    }

    bool Printed(const std::string& text)
    {
        return Serve([&] {
            std::lock_guard<std::mutex> hold(transcript.guard);
            return transcript.printed == text;
        });
    }

    void Join(const std::string& name, const std::string& nickname)
    {
        Run("new \"net [name " + name + " style client server 127.0.0.1 nickname " + nickname + "] ask \"" + name +
            " [setport ask \"hub [port] connect]");
        ASSERT_TRUE(Serve([&] { return Evaluates("ask \"" + name + " [connected?]") == "true"; }));
    }

    // The printed value of an expression; one that waits for the network is served meanwhile.
    std::string Evaluates(const std::string& expression)
    {
        printed();
        EXPECT_EQ(Run("print " + expression), "none") << expression;
        return printed();
    }

    // What was printed since the last call, without the last line end.
    std::string printed()
    {
        std::lock_guard<std::mutex> hold(transcript.guard);
        std::string text = std::move(transcript.printed);
        transcript.printed.clear();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }

    tMainLogoObject& main = startedMain();
    tQueuedWindowThread window;
    tPosixNetSockets sockets;
    tTranscript transcript;
    tTranscript lineErrors;
    std::shared_ptr<tCommander> commander = std::make_shared<tTranscriptCommander>(transcript);
    std::shared_ptr<tCommander> lineCommander = std::make_shared<tTranscriptCommander>(lineErrors);
};

TEST_F(NetObject, WordsAndListsReachTheOthersWithTheirSender)
{
    Join("ann", "ann");
    Join("bob", "bob");
    Run("ask \"hub [setevent \"onreceive [print (list \"hub sender message)]]");
    Run("ask \"bob [setevent \"onreceive [print (list \"bob sender message)]]");
    Run("ask \"ann [setevent \"onreceive [print (list \"ann sender message)]]");
    EXPECT_EQ(Run("ask \"ann [send [] [hello [big] world]]"), "none");
    ASSERT_TRUE(Serve([&] { return Lines() == 2; }));
    const std::string got = printed();
    EXPECT_TRUE(got == "hub ann [hello [big] world]\nbob ann [hello [big] world]" ||
                got == "bob ann [hello [big] world]\nhub ann [hello [big] world]")
        << got;
    Run("ask \"hub [send \"BOB \"|two words|]");
    ASSERT_TRUE(Printed("bob boss two words\n"));
    printed();
    EXPECT_EQ(Evaluates("ask \"bob [list count message sender]"), "9 boss");
    // A client waits for the server's answers.
    EXPECT_EQ(Evaluates("ask \"bob [users]"), "boss ann bob");
    EXPECT_EQ(Evaluates("ask \"bob [info \"ann]"), "ann localhost 127.0.0.1");
    EXPECT_EQ(Evaluates("ask \"bob [info \"nobody]"), "");
    EXPECT_EQ(Evaluates("ask \"bob [info []]"), "bob localhost 127.0.0.1");
    EXPECT_EQ(Evaluates("ask \"hub [info \"nobody]"), "");
    EXPECT_EQ(transcript.errors, "");
}

TEST_F(NetObject, RunRequestsAnswerWithTheirOutcome)
{
    Join("ann", "ann");
    Run("ask \"ann [setevent \"onreceive [print message]]");
    Run("ask \"hub [setevent \"onreceive [print list \"refused message]]");
    // Run requests are refused until they are enabled, and the program still sees the list.
    Run("ask \"ann [sendrun \"boss [print 1]]");
    ASSERT_TRUE(Serve([&] { return Lines() == 2; }));
    const std::string refusal = printed();
    EXPECT_NE(refusal.find("refused [print 1]"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(uiString("ErrorCaptions", "ipNetworkRun") + ": runenabled \"false"), std::string::npos)
        << refusal;

    Run("ask \"hub [setrunenabled \"true]");
    struct tCase {
        const char* request;
        std::string answer;
    };
    const tCase cases[] = {
        {"[make \"x 5]", "OK"},
        {"[output :x + 2]", "OK: 7"},
        {"[output [a [b]]]", "OK: [a [b]]"},
        {"[print 1 / 0]", "/ can't divide by zero"},
    };
    for (const tCase& c : cases) {
        Run(std::string("ask \"ann [sendrun \"boss ") + c.request + "]");
        ASSERT_TRUE(Serve([&] { return Lines() == 1; })) << c.request;
        EXPECT_EQ(printed(), c.answer) << c.request;
    }
    EXPECT_EQ(Evaluates(":x"), "5");
}

TEST_F(NetObject, StylesAndFailures)
{
    Run("new \"net [name ann]");
    EXPECT_EQ(Evaluates("ask \"ann [(list style nickname connected? message sender status)]"), "no no false [] [] ");
    struct tCase {
        const char* line;
        const char* error;
    };
    const tCase cases[] = {
        {"ask \"ann [setstyle \"sideways]", "erExpectNetStyle"},
        {"ask \"ann [setstyle \"server connect]", "erServerStart"},
        {"ask \"ann [setstyle \"client connect]", "erServerMissing"},
        {"ask \"ann [setserver \"no.such.host.invalid connect]", "erServerConnect"},
        {"ask \"ann [send \"boss \"hi]", "erNoConnection"},
        {"ask \"hub [send [boss [x]] \"hi]", "erBadStructure"},
        {"ask \"net [print status]", "erInitNet"},
        {"ask \"hub [setport \"x]", "erExpectNumber"},
    };
    for (const tCase& c : cases) EXPECT_EQ(Run(c.line), c.error) << c.line;
    EXPECT_EQ(Evaluates("ask \"ann [(list style nickname connected?)]"), "client client false");
    Run("ask \"ann [setstyle \"no]");
    EXPECT_EQ(Evaluates("ask \"ann [style]"), "no");
    EXPECT_EQ(Evaluates("ask \"hub [(list style nickname connected?)]"), "server boss true");
}

}  // namespace

namespace {

TEST_F(NetObject, ImagesTravelAsImageFiles)
{
    Join("ann", "ann");
    Run("make \"pic 0 ask \"ann [setevent \"onreceive [make \"pic message]]");
    QImage bitmap(3, 2, QImage::Format_RGB32);
    bitmap.fill(0x112233);
    bitmap.setPixel(1, 0, 0xffff0000);
    RunInProcess([&] { main.globalVarTable->Define(nameCode("img"), imageOfBitmap(bitmap), 0); });
    EXPECT_EQ(Run("ask \"hub [send \"ann :img]"), "none");
    ASSERT_TRUE(Serve([&] { return Evaluates("number? :pic") == "false"; }));
    RunInProcess([&] {
        tTabDesc* got = main.globalVarTable->Lookup(nameCode("pic"));
        auto* image = got ? dynamic_cast<tLogoImage*>(got->Value()) : nullptr;
        ASSERT_NE(image, nullptr);
        ASSERT_NE(image->FirstPicture(), nullptr);
        EXPECT_EQ(image->FirstPicture()->colour.convertToFormat(QImage::Format_RGB32), bitmap);
    });

    // Bytes that are no image file, or a cut one, give no image.
    RunInProcess([&] {
        const std::string body = imageMessageBody(*tLogoRef<tLogoImage>(imageOfBitmap(bitmap)));
        for (const std::string& damaged : {std::string("garbage"), body.substr(0, body.size() / 2), std::string()})
            EXPECT_FALSE(imageFromMessageBody(damaged)) << damaged.size();
        EXPECT_TRUE(imageFromMessageBody(body));
    });
}

}  // namespace

namespace {

// An erased server gives the server role and its clients back at once, even while something
// still holds the object.
TEST_F(NetObject, AnErasedNetObjectDisconnects)
{
    Join("ann", "ann");
    tLogoRef<tlogoobject> held;
    RunInProcess([&] { held = main.FindOwn(nameCode("hub")); });
    EXPECT_EQ(Run("eraseobject \"hub"), "none");
    EXPECT_TRUE(Serve([&] { return Evaluates("ask \"ann [connected?]") == "false"; }));
    EXPECT_EQ(Run("new \"net [name hub2 style server port 0] ask \"hub2 [connect]"), "none");
    RunInProcess([&] { held = nullptr; });
}

}  // namespace

namespace {

// Arrivals are handed to the program one at a time, none lost, none twice, in order.
TEST_F(NetObject, AFloodArrivesWholeAndInOrder)
{
    Join("ann", "ann");
    Run("make \"got [] ask \"hub [setevent \"onreceive [make \"got lput message :got]]");
    EXPECT_EQ(Run("ask \"ann [repeat 200 [send \"boss repcount]]"), "none");
    ASSERT_TRUE(Serve([&] { return Evaluates("count :got") == "200"; }, 20s)) << Evaluates("count :got");
    Run("make \"want [] repeat 200 [make \"want lput repcount :want]");
    EXPECT_EQ(Evaluates(":got = :want"), "true");
}

}  // namespace
