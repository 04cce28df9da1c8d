#include <gtest/gtest.h>

#include <QImage>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "../../mainobj/MainObjectWorld.h"
#include "mainobj/system/printFront.h"
#include "mainobj/system/printJobs.h"
#include "turtle/colours/ColourPrimitives.h"
#include "turtle/graphicKinds.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

// What the printing primitives ask the window's printer for: documents, their pages and the
// job that holds several pages, with the printer's answers scripted.

namespace {

// Writes down each call as a line and answers with the next scripted answer (done when none
// is left); keeps the pictures printed.
class tScriptedPrinter : public tPrintFront {
public:
    tCloser ShowPrinterSetup(tAnswered answered) override { return Answer("setup", answered); }
    tCloser OpenDocument(const tPrintSettings& settings, tAnswered answered) override
    {
        std::string line = "open " + std::string(kOrientations[static_cast<int>(settings.orientation)]) + " copies " +
                           std::to_string(settings.copies);
        if (!settings.jobName.empty()) line += " named " + settings.jobName;
        if (settings.showDialog) line += " dialog";
        return Answer(line, answered);
    }
    tCloser PrintPage(std::shared_ptr<const QImage> picture, tPrintOrientation orientation, tAnswered answered) override
    {
        pictures.push_back(*picture);
        return Answer("page " + std::string(kOrientations[static_cast<int>(orientation)]), answered);
    }
    tCloser CloseDocument(tAnswered answered) override { return Answer("close", answered); }

    std::deque<tDialogAnswer> answers;
    std::vector<std::string> calls;
    std::vector<QImage> pictures;

private:
    static constexpr const char* kOrientations[] = {"as-set-up", "portrait", "landscape"};

    tCloser Answer(std::string call, const tAnswered& answered)
    {
        calls.push_back(std::move(call));
        tDialogAnswer next{false, kPrintDone, {}};
        if (!answers.empty()) {
            next = answers.front();
            answers.pop_front();
        }
        answered(next);
        return [] {};
    }
};

const tDialogAnswer kCancelled{};
const tDialogAnswer kFailed{false, kPrintFailed, {}};
using tCalls = std::vector<std::string>;

class PrintPrimitives : public ::testing::Test {
protected:
    PrintPrimitives()
    {
        static bool started = [] {
            startColours();
            return true;
        }();
        (void)started;
        registerGraphicKinds();
        page = buildStartWindow().page;
        installPrintFront(printer);
    }
    ~PrintPrimitives() override
    {
        while (printJobDepth() > 0) closePrintJob();
        installPrintFront(nullptr);
    }

    tMainObjectWorld world;
    std::shared_ptr<tScriptedPrinter> printer = std::make_shared<tScriptedPrinter>();
    tlogopage* page = nullptr;
};

TEST_F(PrintPrimitives, PrintmeMakesADocumentOfThePageAsShown)
{
    ASSERT_NE(page, nullptr);
    world.Run("ask \"mainwindow1'page1 [bgline [[10 10] [200 120]]]  ask \"mainwindow1'page1 [printme]");
    EXPECT_EQ(printer->calls, (tCalls{"open as-set-up copies 1", "page as-set-up", "close"}));
    ASSERT_EQ(printer->pictures.size(), 1u);
    const QImage shown = page->Screen().Composed();
    EXPECT_EQ(printer->pictures[0], shown);
    EXPECT_NE(shown.pixel(200, 120), shown.pixel(5, 100)) << "the line's end is on the page printed";
    EXPECT_EQ(printJobDepth(), 0);
}

TEST_F(PrintPrimitives, PrintmeSettingsReachThePrinter)
{
    const struct {
        const char* input;
        const char* opened;
        const char* page;
    } cases[] = {
        {"true", "open as-set-up copies 1 dialog", "page as-set-up"},
        {"\"false", "open as-set-up copies 1", "page as-set-up"},
        {"[orientation landscape copies 3 printjobname [My page]]", "open landscape copies 3 named My page", "page landscape"},
        {"[showsetup true orientation portrait]", "open portrait copies 1 dialog", "page portrait"},
        {"[]", "open as-set-up copies 1", "page as-set-up"},
    };
    for (const auto& c : cases) {
        printer->calls.clear();
        world.Run("ask \"mainwindow1'page1 [(printme " + std::string(c.input) + ")]");
        EXPECT_EQ(printer->calls, (tCalls{c.opened, c.page, "close"})) << c.input;
    }
}

TEST_F(PrintPrimitives, FaultyInputsFailBeforeAnythingIsPrinted)
{
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"(printme [orientation sideways])", "erBadValue"},
        {"(printme [colour red])", "erBadValue"},
        {"(printme [copies 2 showsetup])", "erEvenNumber"},
        {"(printme [copies 100])", "erMinMax"},
        {"(printme [copies 0])", "erMinMax"},
        {"(printme [showsetup maybe])", "erNotBool"},
        {"(printme \"maybe)", "erNotBool"},
        {"(printme true true)", "erTooManyInputs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [" + std::string(c.line) + "]"), c.error) << c.line;
    EXPECT_EQ(world.ErrorOf("(startPrintJob [orientation sideways])"), "erBadValue");
    EXPECT_EQ(world.ErrorOf("(startPrintJob true false)"), "erTooManyInputs");
    EXPECT_EQ(printer->calls, tCalls{});
    EXPECT_EQ(printJobDepth(), 0);
}

TEST_F(PrintPrimitives, PagesOfAJobShareOneDocumentUntilTheLastClose)
{
    world.Run("(startPrintJob [orientation landscape copies 2 printjobname Pictures])");
    world.Run("startPrintJob  ask \"mainwindow1'page1 [printme]");
    world.Run("ask \"mainwindow1'page1 [(printme [orientation portrait copies 9])]  endPrintJob");
    EXPECT_EQ(printer->calls, (tCalls{"open landscape copies 2 named Pictures", "page as-set-up", "page portrait"}));
    EXPECT_EQ(printJobDepth(), 1);
    world.Run("endPrintJob");
    EXPECT_EQ(printer->calls.back(), "close");
    EXPECT_EQ(printJobDepth(), 0);
    printer->calls.clear();
    world.Run("endPrintJob");
    EXPECT_EQ(printer->calls, tCalls{}) << "no job is open";
}

TEST_F(PrintPrimitives, CancelledDialogsPrintNothingAndFailuresAreReported)
{
    // The page of a cancelled dialog goes to a printer without a document, which leaves it out.
    printer->answers = {kCancelled};
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [(printme true)]"), "none");
    EXPECT_EQ(printer->calls, (tCalls{"open as-set-up copies 1 dialog", "page as-set-up", "close"}));

    printer->calls.clear();
    printer->answers = {kFailed};
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [printme]"), "erNoPrint");
    EXPECT_EQ(printer->calls, tCalls{"open as-set-up copies 1"});
    EXPECT_EQ(printJobDepth(), 0);

    printer->calls.clear();
    printer->answers = {tDialogAnswer{false, kPrintDone, {}}, kFailed};
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [printme]"), "erNoPrint");
    EXPECT_EQ(printer->calls, (tCalls{"open as-set-up copies 1", "page as-set-up", "close"})) << "the document still ends";

    printer->calls.clear();
    printer->answers = {kFailed};
    EXPECT_EQ(world.ErrorOf("startPrintJob"), "erNoPrint");
    EXPECT_EQ(printJobDepth(), 0);
    world.Run("endPrintJob");
    EXPECT_EQ(printer->calls, tCalls{"open as-set-up copies 1"});
}

TEST_F(PrintPrimitives, PrinterSetupOutputsThePrintersName)
{
    printer->answers = {tDialogAnswer{false, 0, "Office"}, kCancelled};
    EXPECT_EQ(world.Run("print printersetup  show printersetup"), "Office\n[]\n");
    EXPECT_EQ(printer->calls, (tCalls{"setup", "setup"}));
}

// The console has no printer: printing fails, the set-up is cancelled at once, and inputs are
// still checked.
TEST_F(PrintPrimitives, WithoutAPrinter)
{
    installPrintFront(nullptr);
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [printme]"), "erNoPrint");
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [(printme [orientation sideways])]"), "erBadValue");
    EXPECT_EQ(world.ErrorOf("startPrintJob"), "erNoPrint");
    EXPECT_EQ(printJobDepth(), 0);
    EXPECT_EQ(world.ErrorOf("endPrintJob"), "none");
    EXPECT_EQ(world.Run("show printersetup"), "[]\n");
}

}  // namespace
