#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolTip>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <atomic>
#include <optional>
#include <thread>

#include "images/lgfText.h"
#include "language/StreamKeys.h"
#include "language/tFileStream.h"
#include "language/texecodedstream.h"

#include "mainobj/system/dialogFront.h"
#include "platform/singlecopy/tSingleCopy.h"
#include "platform/window/openRequest.h"
#include "platform/window/tCommandLine.h"
#include "platform/window/tPageView.h"
#include "platform/window/windowClosing.h"
#include "windowTestFixture.h"

namespace {

class EnvironmentWindow : public ::testing::Test {
protected:
    void SetUp() override { window = fixture().window.get(); }

    void Type(const QString& line)
    {
        window->CommandLine().setFocus();
        QTest::keyClicks(&window->CommandLine(), line);
        QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
    }

    QString OutputText() const { return window->Output().toPlainText(); }
    // The output holds these whole lines, one after the other.
    bool OutputHas(const QString& lines) const { return ("\n" + OutputText()).contains("\n" + lines); }

    // The output's text written in the colour of that kind of text.
    QString OutputIn(const QColor& colour) const
    {
        QString found;
        for (QTextBlock block = window->Output().document()->begin(); block.isValid(); block = block.next())
            for (auto piece = block.begin(); !piece.atEnd(); ++piece)
                if (piece.fragment().charFormat().foreground().color() == colour) found += piece.fragment().text();
        return found;
    }

    int Count(const QString& line) const { return ("\n" + OutputText()).count("\n" + line + "\n"); }

    // Gives the start-up turtle and its page these handlers, once the runner has set them.
    void SetHandlers(const char* turtleEvents, const char* pageEvents)
    {
        Type(QStringLiteral("pu home pd ask \"mainwindow1'page1't1 [%1]").arg(turtleEvents));
        Type(QStringLiteral("ask \"mainwindow1'page1 [%1]").arg(pageEvents));
        Type("print \"ready");
        ASSERT_TRUE(waitFor([&] { return OutputText().endsWith("\"ready\nready\n"); }));
    }

    QRgb PagePixel(int x, int y) const { return window->PageView().Shown().pixel(x, y) & 0xFFFFFF; }

    tEnvironmentWindow* window = nullptr;
};

const QColor kErrorColour(0xB0, 0x00, 0x20);

TEST_F(EnvironmentWindow, ShowsItsTitleAndThePageAtOnce)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zembrix"));
    EXPECT_EQ(window->PageView().Shown().size(), QSize(796, 499));
    EXPECT_EQ(PagePixel(10, 10), 0xFFFFFFu);
}

TEST_F(EnvironmentWindow, ATypedLineDrawsAndThePageShowsIt)
{
    // The turtle starts at the origin (398, 249) facing up; its look covers the end of the
    // line only.
    ASSERT_EQ(PagePixel(398, 225), 0xFFFFFFu);
    Type("fd 50");
    ASSERT_TRUE(waitFor([&] { return PagePixel(398, 225) == 0x000000u; }));
    EXPECT_EQ(PagePixel(398, 240), 0x000000u);
    EXPECT_EQ(PagePixel(405, 225), 0xFFFFFFu);
    EXPECT_EQ(PagePixel(398, 260), 0xFFFFFFu);
}

TEST_F(EnvironmentWindow, UndoTakesThePageBackToItsSavedPictureAndASecondUndoRedoes)
{
    // On the line the turtle draws to the right of the origin, clear of its look at the end.
    auto lineShown = [&] { return PagePixel(420, 249) == 0x000000u; };
    Type("pu home pd cs saveforundo rt 90 fd 50");
    ASSERT_TRUE(waitFor(lineShown));
    window->UndoButton().click();
    ASSERT_TRUE(waitFor([&] { return !lineShown(); }));
    EXPECT_EQ(PagePixel(420, 249), 0xFFFFFFu);
    window->PageView().setFocus();
    QTest::keyClick(&window->PageView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(waitFor(lineShown));
}

TEST_F(EnvironmentWindow, AcceptKeyMenuSwitchesTheWindowObjectsProperty)
{
    QAction& accept = window->AcceptKeyMenuAction();
    const QString ask = QStringLiteral("ask \"mainwindow1 [print acceptkeymenu]");
    accept.setChecked(true);
    accept.trigger();
    Type(ask);
    ASSERT_TRUE(waitFor([&] { return OutputText().endsWith("]\nfalse\n"); })) << OutputText().toStdString();
    accept.trigger();
    Type(ask);
    EXPECT_TRUE(waitFor([&] { return OutputText().endsWith("]\ntrue\n"); })) << OutputText().toStdString();
}

TEST_F(EnvironmentWindow, PrintedTextAndErrorsReachTheOutputErrorsInTheirOwnColour)
{
    Type("print 3 + 4");
    ASSERT_TRUE(waitFor([&] { return OutputHas("7\n"); }));
    EXPECT_TRUE(OutputIn(kErrorColour).isEmpty());

    Type("print 1 / 0");
    ASSERT_TRUE(waitFor([&] { return !OutputIn(kErrorColour).isEmpty(); }));
    // The failed line stays for the learner to take up again.
    EXPECT_EQ(window->CommandLine().History().Lines().back(), QStringLiteral("print 1 / 0"));
    EXPECT_FALSE(OutputIn(kErrorColour).contains("7"));

    // Text crosses into the language's code page and back (pasted: QTest types ASCII only).
    window->CommandLine().insert(QString::fromUtf8("print \"café€"));
    QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return OutputHas(QString::fromUtf8("café€\n")); }));
}

TEST_F(EnvironmentWindow, DefinitionsAreTypedLineByLine)
{
    Type("to twice :x");
    Type("output :x * 2");
    Type("end");
    Type("print twice 21");
    EXPECT_TRUE(waitFor([&] { return OutputHas("42\n"); })) << OutputText().toStdString();
}

TEST(CommandLine, UpAndDownRecallEarlierLinesAndKeepTheDraft)
{
    fixture();
    tCommandLine line;
    QObject::connect(&line, &QLineEdit::returnPressed, [&] { line.TakeLine(); });
    for (const char* typed : {"print 1", "print 2", "print 2", ""}) {
        QTest::keyClicks(&line, typed);
        QTest::keyClick(&line, Qt::Key_Return);
    }
    QTest::keyClicks(&line, "pri");
    // A line entered twice in a row and an empty one are kept once and not at all.
    const struct {
        Qt::Key key;
        const char* shown;
    } steps[] = {
        {Qt::Key_Up, "print 2"}, {Qt::Key_Up, "print 1"}, {Qt::Key_Up, "print 1"},
        {Qt::Key_Down, "print 2"}, {Qt::Key_Down, "pri"}, {Qt::Key_Down, "pri"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(&line, step.key);
        EXPECT_EQ(line.text(), QString::fromLatin1(step.shown)) << step.shown;
    }
}

TEST_F(EnvironmentWindow, KeysPressedOnThePageReachTheKeyQueueButNotThoseTypedInTheCommandLine)
{
    Type("(readkey 0) print key?");
    ASSERT_TRUE(waitFor([&] { return OutputText().endsWith("key?\nfalse\n"); }));
    window->PageView().setFocus();
    QTest::keyClick(&window->PageView(), Qt::Key_Z);
    QTest::keyClick(&window->PageView(), Qt::Key_F1);
    // Releases are not queued, and the line typed afterwards adds nothing.
    Type("print key? print readkey print lastkey print key print key?");
    EXPECT_TRUE(waitFor([&] { return OutputHas("true\n122\nz\nf1\nfalse\n"); })) << OutputText().toStdString();
}

TEST_F(EnvironmentWindow, StopEndsARunningLineAndTheNextLineRuns)
{
    Type("forever [make \"n 1]");
    Type("print \"looping repeat 100000000 [make \"n 2]");
    Type("print \"after");
    // Stop only once the long line runs: on a loaded machine it may not have started yet.
    ASSERT_TRUE(waitFor([&] { return OutputHas("looping\n"); })) << OutputText().toStdString();
    QTest::qWait(50);
    ASSERT_FALSE(OutputHas("after\n")) << OutputText().toStdString();
    window->StopButton().click();
    ASSERT_TRUE(waitFor([&] { return OutputHas("after\n"); }));
    // The launched loop was stopped too: nothing sets the variable any more.
    Type("make \"n 0 wait 20 print :n");
    EXPECT_TRUE(waitFor([&] { return OutputText().endsWith(":n\n0\n"); })) << OutputText().toStdString();
}

TEST_F(EnvironmentWindow, TheMouseReachesTheTurtleUnderItOrElseThePage)
{
    SetHandlers("setevent \"onclick [print \"turtle] setevent \"onmouseenter [print \"enter] "
                "setevent \"onmouseleave [print \"leave]",
                "setevent \"onclick [print \"page]");
    tPageView& page = window->PageView();
    QTest::mouseMove(&page, kOnThePage);
    QTest::mouseMove(&page, kOnTheTurtle);
    ASSERT_TRUE(waitFor([&] { return OutputHas("enter\n"); })) << OutputText().toStdString();
    QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    ASSERT_TRUE(waitFor([&] { return OutputHas("turtle\n"); })) << OutputText().toStdString();
    QTest::mouseMove(&page, kOnThePage);
    ASSERT_TRUE(waitFor([&] { return OutputHas("leave\n"); })) << OutputText().toStdString();
    QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    ASSERT_TRUE(waitFor([&] { return OutputHas("page\n"); })) << OutputText().toStdString();
    EXPECT_EQ(Count("turtle"), 1);
    EXPECT_EQ(Count("enter"), 1);
}

TEST_F(EnvironmentWindow, ClicksWhileAHandlerRunsAreDroppedAndTheLastReleaseFollowsOnce)
{
    SetHandlers("setevent \"onclick [print \"start wait 300 print \"end] setevent \"onleftup [print \"up]", "");
    tPageView& page = window->PageView();
    QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    ASSERT_TRUE(waitFor([&] { return OutputHas("start\nend\nup\n"); })) << OutputText().toStdString();
    QTest::qWait(400);
    EXPECT_EQ(Count("start"), 1);
    EXPECT_EQ(Count("up"), 1);
}

TEST_F(EnvironmentWindow, ClosingLeavesTheDecisionToTheWindowObjectsOnEraseHandler)
{
    bool closed = false;
    window->SetCloser([&] { requestWindowClose(fixture().windowObject, [&] { closed = true; }); });
    Type("ask \"mainwindow1 [setevent \"onerase [print \"asked]]");
    Type("print \"ready");
    ASSERT_TRUE(waitFor([&] { return OutputText().endsWith("\"ready\nready\n"); }));
    window->close();
    ASSERT_TRUE(waitFor([&] { return OutputHas("asked\n"); }));
    QTest::qWait(100);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(window->isVisible());

    Type("ask \"mainwindow1 [eraseevent \"onerase]");
    Type("print \"erased");
    ASSERT_TRUE(waitFor([&] { return OutputHas("erased\n"); }));
    window->close();
    EXPECT_TRUE(waitFor([&] { return closed; }));
    window->SetCloser({});
}

}  // namespace

namespace {

// A later copy hands its project over from its own thread; the window's event loop answers.
bool HandOver(tSingleCopy& later, const std::string& project, bool& accepted)
{
    std::atomic<bool> done{false};
    bool answered = false;
    std::thread asking([&] {
        answered = later.HandOver(project, 3000, &accepted);
        done = true;
    });
    QTest::qWaitFor([&] { return done.load(); }, 10000);
    asking.join();
    return answered;
}

}  // namespace

// Two copies with one instance identifier: the later one's project opens in the running window,
// but not while a dialog of the window is open.
TEST_F(EnvironmentWindow, AProjectHandedOverByALaterCopyOpensUnlessADialogIsOpen)
{
    QTemporaryDir folder;
    const std::string project = folder.filePath(QStringLiteral("handed.zxp")).toStdString();
    Type(QString::fromStdString("make \"handed 42 save \"|" + project + "| .setchanged \"false make \"handed 0 print \"saved"));
    ASSERT_TRUE(waitFor([&] { return OutputHas("saved\n"); })) << OutputText().toStdString();

    const int32_t instance = 7000 + static_cast<int32_t>(QCoreApplication::applicationPid() % 1000);
    tSingleCopy running(instance);
    auto like = std::make_shared<tProcessStart>();
    like->startObject = tLogoRef<tlogoobject>(&mainLogoObject());
    like->commander = window->Commander();
    ASSERT_TRUE(running.Listen([&](const std::string& handed) { return openRequested(window, handed, *like); }));
    tSingleCopy later(instance);

    QMessageBox dialog(window);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(waitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    bool accepted = true;
    EXPECT_TRUE(HandOver(later, project, accepted));
    EXPECT_FALSE(accepted);
    dialog.hide();

    EXPECT_TRUE(HandOver(later, project, accepted));
    EXPECT_TRUE(accepted);
    // The project loads in a process of its own: ask until it has.
    EXPECT_TRUE(waitFor([&] {
        if (OutputText().endsWith("print :handed\n42\n")) return true;
        if (!OutputText().endsWith("print :handed\n")) Type("print :handed");
        QTest::qWait(50);
        return false;
    })) << OutputText().toStdString();
}

// Answers the dialogs the primitives ask for from a script, a little later on the window thread
// as a real dialog would, and keeps what was asked.
class tScriptedDialogs : public tDialogFront {
public:
    std::vector<int> buttons;        // what the message dialogs answer, in turn
    std::string chosenFile;          // empty: the file chooser is cancelled
    std::vector<std::string> asked;  // "message <text>" or "file"

    tCloser ShowMessage(const tMessageRequest& request, tAnswered answered) override
    {
        asked.push_back("message " + request.text);
        tDialogAnswer answer;
        answer.cancelled = false;
        answer.code = buttons.at(asked.size() - 1);
        return Later(answer, std::move(answered));
    }
    tCloser ShowFileChooser(const tFileRequest&, tAnswered answered) override
    {
        asked.push_back("file");
        tDialogAnswer answer;
        answer.cancelled = chosenFile.empty();
        answer.text = chosenFile;
        return Later(answer, std::move(answered));
    }
    tCloser ShowLineInput(const tLineRequest&, tAnswered answered) override { return Later({}, std::move(answered)); }
    tCloser ShowColourChooser(const tColourRequest&, tAnswered answered) override { return Later({}, std::move(answered)); }
    tCloser ShowItemChooser(const tItemsRequest&, tAnswered answered) override { return Later({}, std::move(answered)); }
    tCloser ShowPopup(const tPopupRequest&, tAnswered answered) override { return Later({}, std::move(answered)); }

private:
    static tCloser Later(tDialogAnswer answer, tAnswered answered)
    {
        QTimer::singleShot(10, [answer, answered = std::move(answered)] { answered(answer); });
        return [] {};
    }
};

// With unsaved work, the project handed over asks first: Cancel keeps everything, No loads it,
// Yes saves the work under the chosen name first (a name not chosen: nothing happens).
TEST_F(EnvironmentWindow, AHandedOverProjectAsksAboutUnsavedWorkFirst)
{
    QTemporaryDir folder;
    const std::string project = folder.filePath(QStringLiteral("asked.zxp")).toStdString();
    const std::string savedFirst = folder.filePath(QStringLiteral("kept.zxp")).toStdString();
    Type(QString::fromStdString("make \"asked 42 save \"|" + project + "| print \"saved"));
    ASSERT_TRUE(waitFor([&] { return OutputHas("saved\n"); })) << OutputText().toStdString();
    tProcessStart like;
    like.startObject = tLogoRef<tlogoobject>(&mainLogoObject());
    like.commander = window->Commander();

    const struct {
        const char* what;
        std::vector<int> buttons;
        std::string chosen;
        int asks;
        const char* value;  // of "asked" afterwards
        bool saved;
    } cases[] = {
        {"Cancel", {2}, "", 1, "0", false},
        {"Yes, no name chosen", {6}, "", 2, "0", false},
        {"No", {7}, "", 1, "42", false},
        {"Yes", {6}, savedFirst, 2, "42", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Type("make \"asked 0 .setchanged \"true print \"changed");
        ASSERT_TRUE(waitFor([&] { return OutputText().endsWith("changed\n"); })) << OutputText().toStdString();
        auto dialogs = std::make_shared<tScriptedDialogs>();
        dialogs->buttons = c.buttons;
        dialogs->chosenFile = c.chosen;
        installDialogFront(dialogs);
        ASSERT_TRUE(openRequested(window, project, like));
        EXPECT_TRUE(waitFor([&] { return !tallthreads::Instance().Exists("@menu"); }));
        installDialogFront(nullptr);
        ASSERT_EQ(dialogs->asked.size(), static_cast<size_t>(c.asks));
        EXPECT_TRUE(dialogs->asked.front().starts_with("message ")) << dialogs->asked.front();
        Type("print :asked");
        EXPECT_TRUE(waitFor([&] { return OutputText().endsWith(QStringLiteral(":asked\n%1\n").arg(c.value)); }))
            << OutputText().toStdString();
        EXPECT_EQ(QFileInfo::exists(QString::fromStdString(savedFirst)), c.saved);
    }
}

// A project recorded in another Logo language is refused at once, before anything is asked or
// loaded, whether written behind the project filter or (exported) without it; the name is
// resolved as "loadproject" resolves it, so one given without its extension is checked and
// loaded as well.
TEST_F(EnvironmentWindow, AHandedOverProjectInAnotherLanguageIsRefused)
{
    QTemporaryDir folder;
    tProcessStart like;
    like.startObject = tLogoRef<tlogoobject>(&mainLogoObject());
    like.commander = window->Commander();
    for (const bool filtered : {true, false}) {
        SCOPED_TRACE(filtered ? "behind the filter" : "exported");
        const std::string name = folder.filePath(filtered ? QStringLiteral("coded") : QStringLiteral("exported")).toStdString();
        {
            tFileStream file(name + ".zxp", tFileStream::create);
            std::optional<texecodedstream> filter;
            tStream& stream = filtered ? filter.emplace(file, kProjectKey) : static_cast<tStream&>(file);
            const int64_t body = beginProjectStream(stream, "deutsch");
            const std::string text = "make \"foreign 1\r\n";
            stream.WriteExact(text.data(), static_cast<int64_t>(text.size()));
            closeTextChunk(stream, body, false);
        }
        EXPECT_FALSE(openRequested(window, name, like));
        EXPECT_FALSE(tallthreads::Instance().Exists("@menu"));
    }

    const std::string english = folder.filePath(QStringLiteral("english")).toStdString();
    Type(QString::fromStdString("make \"taken 5 save \"|" + english + "| .setchanged \"false make \"taken 0 print \"englishsaved"));
    ASSERT_TRUE(waitFor([&] { return OutputHas("englishsaved\n"); })) << OutputText().toStdString();
    ASSERT_TRUE(openRequested(window, english, like));
    EXPECT_TRUE(waitFor([&] { return !tallthreads::Instance().Exists("@menu"); }));
    Type("print (list :taken name? \"foreign)");
    EXPECT_TRUE(waitFor([&] { return OutputText().endsWith("\n5 false\n"); })) << OutputText().toStdString();
}

// The pointer resting over the turtle shows the turtle's hint, elsewhere the page's.
TEST_F(EnvironmentWindow, TooltipsShowTheHintOfTheTurtleUnderThePointerElseThePages)
{
    Type("ask \"mainwindow1'page1't1 [showturtle sethint [a turtle]] ask \"mainwindow1'page1 [sethint \"page] print \"set");
    ASSERT_TRUE(waitFor([&] { return OutputHas("set\n"); })) << OutputText().toStdString();
    tPageView& page = window->PageView();
    for (const auto& [at, hint] : {std::pair{kOnTheTurtle, QStringLiteral("a turtle")}, std::pair{kOnThePage, QStringLiteral("page")}}) {
        QHelpEvent help(QEvent::ToolTip, at, page.mapToGlobal(at));
        QApplication::sendEvent(&page, &help);
        EXPECT_TRUE(waitFor([&] { return QToolTip::isVisible() && QToolTip::text() == hint; })) << QToolTip::text().toStdString();
    }
}
