#include "platform/web/webKind.h"

#include "../../mainobj/MainObjectWorld.h"
#include "platform/web/startWeb.h"
#include "processes/tInterpreterLock.h"
#include "webTestFixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Web windows in the console: the web class in the main object and the loopback server
// serving a page.
class WebKind : public tHttpServerTest {
protected:
    void SetUp() override
    {
        startWeb();
        startWebKind();
        tHttpServerTest::SetUp();
        if (IsSkipped())
            return;
        writeFile(served("page.html"), "<html><title>Hi</title>\n<body>first</body></html>\n");
        world.Run("new \"web [name browser]");
        world.Run("make \"heard [] ask \"browser [setevent \"onbegin [make \"heard lput \"begin :heard] "
                  "setevent \"oncomplete [make \"heard lput status :heard]]");
    }

    void TearDown() override
    {
        world.Run("eraseobject \"browser");
        tHttpServerTest::TearDown();
    }

    // Lets the loading process and the handlers run until the lines print "true" (a minute at
    // most); whether they did.
    bool WaitFor(const std::string& condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (world.Run("print " + condition) != "true\n") {
            if (std::chrono::steady_clock::now() > deadline) return false;
            tInterpreterLock::Releaser letItRun;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    std::string Address(const std::string& name) const { return "\"|" + base + name + "|"; }

    tMainObjectWorld world;
};

}  // namespace

TEST_F(WebKind, PropertiesReadBackAndCheckTheirValues)
{
    world.Run("ask \"browser [setcaption [My page] setsize [300 200] setmaximized \"true setstyle 1 "
              "setshowtitlebar \"false]");
    EXPECT_EQ(world.Run("show ask \"browser [(list caption size maximized style showtitlebar address status)]"),
              "[My page [300 200] true 1 false  0]\n");
    EXPECT_EQ(world.ErrorOf("ask \"browser [setstyle 2]"), "erMinMax");
    // The window stands on the desktop: no page is needed to make one.
    EXPECT_EQ(world.Run("new \"web [name other address []] print ask \"other [status] eraseobject \"other"), "0\n");
}

TEST_F(WebKind, SettingTheAddressLoadsThePageBetweenBeginAndComplete)
{
    world.Run("ask \"browser [setaddress " + Address("page.html") + "]");
    ASSERT_TRUE(WaitFor("2 = count :heard"));
    EXPECT_EQ(world.Run("show :heard"), "[begin 200]\n");
    EXPECT_EQ(world.Run("show ask \"browser [pagetext]"), "[<html><title>Hi</title> <body>first</body></html>]\n");
    EXPECT_EQ(world.Run("print ask \"browser [address]"), base + "page.html\n");

    // Loading again fetches the page as it is now; a missing page gives the server's status.
    writeFile(served("page.html"), "second");
    world.Run("make \"heard [] ask \"browser [reload]");
    ASSERT_TRUE(WaitFor("2 = count :heard"));
    EXPECT_EQ(world.Run("show ask \"browser [pagetext]"), "[second]\n");
    world.Run("make \"heard [] ask \"browser [setaddress " + Address("missing.html") + "]");
    ASSERT_TRUE(WaitFor("2 = count :heard"));
    EXPECT_EQ(world.Run("show :heard"), "[begin 404]\n");
}

// Local files are read from the disk; other schemes and missing files give their codes.
TEST_F(WebKind, LocalFilesAndAddressesThatCannotLoad)
{
    writeFile(local("here.htm"), "<p>local</p>\r\nline two");
    const struct {
        std::string address;
        const char* heard;
        const char* text;
    } cases[] = {
        {local("here.htm").string(), "[begin 200]", "[<p>local</p> line two]"},
        {"file://" + local("here.htm").string(), "[begin 200]", "[<p>local</p> line two]"},
        {local("nothing.htm").string(), "[begin 404]", "[]"},
        {"gopher://127.0.0.1/x", "[begin 400]", "[]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        world.Run("make \"heard [] ask \"browser [setaddress \"|" + c.address + "|]");
        ASSERT_TRUE(WaitFor("2 = count :heard"));
        EXPECT_EQ(world.Run("show :heard"), std::string(c.heard) + "\n");
        EXPECT_EQ(world.Run("show ask \"browser [pagetext]"), std::string(c.text) + "\n");
    }
}

// A new address while a page is still coming drops that page: only the last load completes.
TEST_F(WebKind, ANewAddressSupersedesALoadUnderWay)
{
    world.Run("ask \"browser [setaddress " + Address("slow/400") + "]");
    ASSERT_TRUE(WaitFor("1 = count :heard"));
    world.Run("ask \"browser [setaddress " + Address("page.html") + "]");
    ASSERT_TRUE(WaitFor("3 = count :heard"));
    // Long enough for the slow page (0.4 s) to have come, were it still loading.
    {
        tInterpreterLock::Releaser letItRun;
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
    }
    EXPECT_EQ(world.Run("show :heard"), "[begin begin 200]\n");
    EXPECT_EQ(world.Run("show first ask \"browser [pagetext]"), "<html><title>Hi</title>\n");
}
