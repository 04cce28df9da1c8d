#include "platform/desktop/startDesktop.h"
#include "platform/desktop/tQtClipboard.h"

#include "../../mainobj/MainObjectWorld.h"
#include "images/startImages.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tTextOutput.h"
#include "turtle/labelText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Where printing goes while "printto []" selects no stream, as in the console.
class tCollectingOutput : public tTextOutput {
public:
    explicit tCollectingOutput(std::string& printed) : printed_(printed) {}
    void Write(std::string_view text) override { printed_.append(text); }

private:
    std::string& printed_;
};

// The clipboard's primitives in the main object, with the clipboard given.
class ClipboardWorld : public testing::Test {
protected:
    void Start(std::shared_ptr<tClipboard> held)
    {
        installClipboard(std::move(held));
        clipboard().SetText("");
        startImages();
        startDesktop();
        mainLogoObject().fallbackOutput = std::make_unique<tCollectingOutput>(world.printed);
    }
    void TearDown() override
    {
        mainLogoObject().fallbackOutput.reset();
        installClipboard(std::make_shared<tClipboard>());
    }
    tMainObjectWorld world;
};

struct tClipboardCase {
    const char* lines;
    const char* printed;
};

// The text primitives hand their text over through whichever clipboard is installed.
void expectTextHandOver(tMainObjectWorld& world)
{
    const tClipboardCase cases[] = {
        // Printed text reaches the clipboard when the stream is closed, not before.
        {"printto \"clipboard print [a b] type \"c make \"held clipboard printto [] show :held show clipboard "
         "show count loadtext \"clipboard print first loadtext \"clipboard",
         "[]\n[text]\n2\na b\n"},
        // A list is saved as its lines.
        {"savetext \"clipboard [one [two three]] print count loadtext \"clipboard print last loadtext \"clipboard",
         "2\ntwo three\n"},
        {"savetext \"clipboard \"x appendtext \"clipboard [y z] print count loadtext \"clipboard "
         "print first loadtext \"clipboard",
         "2\nxy\n"},
        {"savetext \"clipboard \"word readfrom \"clipboard print readword print eof? readfrom []", "word\ntrue\n"},
        {"pprop \"p \"k \"v savetable \"clipboard remprop \"p \"k loadtable \"clipboard print gprop \"p \"k", "v\n"},
    };
    for (const tClipboardCase& c : cases) EXPECT_EQ(world.Run(c.lines), c.printed) << c.lines;
    // Emptied, it holds nothing the text and table readers can use.
    world.Run("savetext \"clipboard []");
    EXPECT_EQ(world.Run("show clipboard"), "[]\n");
    EXPECT_EQ(world.ErrorOf("show loadtext \"clipboard"), "erClipboard");
    EXPECT_EQ(world.ErrorOf("loadtable \"clipboard"), "erClipboard");
    EXPECT_EQ(world.Run("readfrom \"clipboard print eof? readfrom []"), "true\n");
}

class InMemoryClipboard : public ClipboardWorld {
protected:
    void SetUp() override { Start(std::make_shared<tClipboard>()); }
};

TEST_F(InMemoryClipboard, CarriesTheTextOfStreamsFilesAndTables) { expectTextHandOver(world); }

TEST(ClipboardFormats, OneThingAtATimeInTheFormatsItWasGiven)
{
    tClipboard held;
    EXPECT_TRUE(held.Formats().empty());
    held.SetText("abc");
    EXPECT_EQ(held.Formats(), std::vector<std::string>{"text"});
    held.SetData(tClipboard::kProject, std::string("LGF\0x", 5));
    EXPECT_EQ(held.Formats(), std::vector<std::string>{"project"});
    EXPECT_EQ(held.Data(tClipboard::kProject), std::string("LGF\0x", 5));
    EXPECT_EQ(held.Text(), "");
}

// Qt's clipboard on the offscreen platform: what other programs would see and give.
class DesktopClipboard : public ClipboardWorld {
protected:
    void SetUp() override
    {
        prepareFonts();  // the Qt application, offscreen
        Start(std::make_shared<tQtClipboard>());
    }
};

TEST_F(DesktopClipboard, CarriesTheTextOfStreamsFilesAndTables) { expectTextHandOver(world); }

TEST_F(DesktopClipboard, TextIsUnicodeForOthersAndExactBytesForUs)
{
    clipboard().SetText("caf\xe9 \x80");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("caf\u00e9 \u20ac"));
    EXPECT_EQ(clipboard().Text(), "caf\xe9 \x80");

    // Text from another program: converted, a character the code page lacks becoming "?".
    QGuiApplication::clipboard()->setText(QString::fromUtf8("na\u00efve \u4e2d"));
    EXPECT_EQ(clipboard().Text(), "na\xefve ?");
    EXPECT_EQ(world.Run("show clipboard"), "[text]\n");

    // A bitmap from another program is an image of one picture; it is no text.
    QImage bitmap(5, 3, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(bitmap);
    EXPECT_EQ(world.Run("show clipboard"), "[image]\n");
    EXPECT_EQ(world.Run("show imagesize loadimage \"clipboard show count loadimage \"clipboard"), "[5 3]\n1\n");
    EXPECT_EQ(world.ErrorOf("show loadtext \"clipboard"), "erClipboard");
    // An image this program copies gives other programs its first picture as a bitmap.
    EXPECT_EQ(world.ErrorOf("saveimage \"clipboard loadimage \"*turtle"), "none");
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(15, 27));
    EXPECT_EQ(world.Run("show clipboard print count loadimage \"clipboard"), "[image]\n24\n");

    clipboard().SetData(tClipboard::kProject, std::string("LGF\0\x01", 5));
    EXPECT_EQ(world.Run("show clipboard"), "[project]\n");
    EXPECT_EQ(clipboard().Data(tClipboard::kProject), std::string("LGF\0\x01", 5));
}

}  // namespace
