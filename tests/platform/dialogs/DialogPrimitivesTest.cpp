#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "../../mainobj/MainObjectWorld.h"
#include "mainobj/system/dialogFront.h"
#include "scriptedDialogFront.h"
#include "mainobj/system/tFilePaths.h"
#include "processes/tCommander.h"
#include "processes/tdefaultcommander.h"
#include "values/eTerminateException.h"
#include "turtle/colours/colourValues.h"

// What the dialog primitives ask the window's front for, and what they make of its answers.

namespace {

tDialogAnswer chose(int code, std::string text = {}, uint32_t colour = 0) { return {false, code, std::move(text), colour}; }

std::vector<std::string> labelsOf(const tMessageRequest& request)
{
    std::vector<std::string> labels;
    for (const tDialogButton& button : request.buttons) labels.push_back(std::to_string(button.code) + " " + button.label);
    return labels;
}

class DialogPrimitives : public ::testing::Test {
protected:
    DialogPrimitives()
    {
        installColourConverter();
        installDialogFront(front);
    }
    ~DialogPrimitives() override { installDialogFront(nullptr); }

    tMainObjectWorld world;
    std::shared_ptr<tScriptedFront> front = std::make_shared<tScriptedFront>();
};

TEST_F(DialogPrimitives, DialogboxShowsTheStyleAndOutputsTheButtonOrItsEscape)
{
    front->answers = {chose(6), tDialogAnswer{}};
    EXPECT_EQ(world.Run("print dialogbox [Go on?]"), "6\n");
    EXPECT_EQ(world.Run("print (dialogbox \"Save? \"Closing 51)"), "2\n");
    ASSERT_EQ(front->messages.size(), 2u);
    const tMessageRequest& first = front->messages[0];
    EXPECT_EQ(first.text, "Go on?");
    EXPECT_EQ(first.caption, "");
    EXPECT_EQ(labelsOf(first), (std::vector<std::string>{"6 Yes", "7 No"}));
    EXPECT_EQ(first.icon, tDialogIcon::kQuestion);
    const tMessageRequest& second = front->messages[1];
    EXPECT_EQ(second.caption, "Closing");
    EXPECT_EQ(labelsOf(second), (std::vector<std::string>{"6 Yes", "7 No", "2 Cancel"}));
    EXPECT_EQ(second.icon, tDialogIcon::kWarning);
}

TEST_F(DialogPrimitives, MessageboxHasOneOkButtonAndTheProgramsCaption)
{
    EXPECT_EQ(world.Run("(messagebox [All done] \"Finished \"unused)  messagebox 42"), "");
    ASSERT_EQ(front->messages.size(), 2u);
    EXPECT_EQ(front->messages[0].text, "All done");
    EXPECT_EQ(front->messages[0].caption, "Finished");
    EXPECT_EQ(front->messages[1].caption, "Zembrix");
    EXPECT_EQ(labelsOf(front->messages[1]), std::vector<std::string>{"1 OK"});
    EXPECT_EQ(front->messages[1].icon, tDialogIcon::kNone);
}

TEST_F(DialogPrimitives, ReadingDialogsOutputAListAWordOrTheEmptyList)
{
    front->answers = {chose(0, "1 [2 3] four"), chose(0, "two words"), tDialogAnswer{}, tDialogAnswer{}};
    EXPECT_EQ(world.Run("show (readlistdialog [Numbers?])"), "[1 [2 3] four]\n");
    EXPECT_EQ(world.Run("print (readworddialog [Name?] \"Ask \"unused \"Ann)"), "two words\n");
    EXPECT_EQ(world.Run("show readlistdialog show readworddialog"), "[]\n[]\n");
    ASSERT_EQ(front->lines.size(), 4u);
    EXPECT_EQ(front->lines[0].prompt, "Numbers?");
    EXPECT_EQ(front->lines[0].caption, "Zembrix");
    EXPECT_EQ(front->lines[0].okLabel, "OK");
    EXPECT_EQ(front->lines[0].cancelLabel, "Cancel");
    EXPECT_EQ(front->lines[1].caption, "Ask");
    EXPECT_EQ(front->lines[1].initial, "Ann");
    EXPECT_EQ(front->lines[2].prompt, "");
}

// Filters from a word or a list; a bare name starts in the work folder; a saved name gets the
// first filter's extension.
TEST_F(DialogPrimitives, GeneralFileChoosersTakeCaptionFiltersAndName)
{
    setWorkFolder("/tmp/work/");
    front->answers = {chose(0, "/tmp/work/notes.txt"), tDialogAnswer{}};
    EXPECT_EQ(world.Run("print openchooser \"Open [[Texts *.txt *.lgo] bmp] \"notes.txt"), "/tmp/work/notes.txt\n");
    EXPECT_EQ(world.Run("show savechooser [Save as] \"*.txt \"|/data/old.txt|"), "[]\n");
    ASSERT_EQ(front->files.size(), 2u);
    const tFileRequest& open = front->files[0];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.caption, "Open");
    ASSERT_EQ(open.filters.size(), 2u);
    EXPECT_EQ(open.filters[0].description, "Texts");
    EXPECT_EQ(open.filters[0].patterns, (std::vector<std::string>{"*.txt", "*.lgo"}));
    EXPECT_EQ(open.filters[1].patterns, std::vector<std::string>{"*.bmp"});
    EXPECT_EQ(open.folder, "/tmp/work/");
    EXPECT_EQ(open.name, "notes.txt");
    const tFileRequest& save = front->files[1];
    EXPECT_TRUE(save.save);
    EXPECT_EQ(save.caption, "Save as");
    EXPECT_EQ(save.defaultSuffix, "txt");
    EXPECT_EQ(save.folder, "/data/");
    EXPECT_EQ(save.name, "old.txt");
    setWorkFolder("");
}

// However the reader cuts the patterns, each filter gets them whole.
TEST_F(DialogPrimitives, FilterInputs)
{
    struct tCase {
        const char* filter;
        std::vector<std::vector<std::string>> patterns;
    };
    const tCase cases[] = {
        {"\"*.txt", {{"*.txt"}}},
        {"\"txt", {{"*.txt"}}},
        {"\"", {}},
        {"[]", {}},
        {"[*.txt *.lgo]", {{"*.txt"}, {"*.lgo"}}},
        {"[[Texts *.txt *.lgo] bmp]", {{"*.txt", "*.lgo"}, {"*.bmp"}}},
        {"[[Pictures .gif jpg] [All *]]", {{"*.gif", "*.jpg"}, {"*"}}},
        {"[[Nothing]]", {}},
    };
    for (const tCase& c : cases) {
        front->files.clear();
        world.Run(std::string("show openchooser \"Open ") + c.filter + " \"");
        ASSERT_EQ(front->files.size(), 1u) << c.filter;
        std::vector<std::vector<std::string>> got;
        for (const tFileFilter& filter : front->files[0].filters) got.push_back(filter.patterns);
        EXPECT_EQ(got, c.patterns) << c.filter;
    }
}

std::vector<std::vector<std::string>> patternsOf(const tFileRequest& request)
{
    std::vector<std::vector<std::string>> patterns;
    for (const tFileFilter& filter : request.filters) patterns.push_back(filter.patterns);
    return patterns;
}

TEST_F(DialogPrimitives, ProjectAndPictureChoosersOfferTheirFormats)
{
    world.Run("show openprojectchooser show saveprojectchooser show loadpicturechooser \"");
    world.Run("show savepicturechooser \"drawing show loadpicturechooser1 \"photo.JPG show loadimagechooser \"");
    ASSERT_EQ(front->files.size(), 6u);
    const std::vector<std::vector<std::string>> project{{"*.zxp"}};
    EXPECT_EQ(patternsOf(front->files[0]), project);
    EXPECT_FALSE(front->files[0].save);
    EXPECT_EQ(patternsOf(front->files[1]), project);
    EXPECT_TRUE(front->files[1].save);
    EXPECT_EQ(front->files[1].defaultSuffix, "zxp");
    const std::vector<std::string> readable{"*.lgf", "*.lgw", "*.bmp", "*.jpg", "*.jpeg", "*.jpe", "*.gif", "*.ico", "*.png"};
    ASSERT_FALSE(front->files[2].filters.empty());
    EXPECT_EQ(front->files[2].filters[0].patterns, readable);
    EXPECT_EQ(front->files[2].filters.size(), 8u);
    EXPECT_EQ(patternsOf(front->files[3]),
              (std::vector<std::vector<std::string>>{{"*.lgf"}, {"*.bmp"}, {"*.jpg", "*.jpeg", "*.jpe"}, {"*.gif"}}));
    EXPECT_EQ(front->files[3].defaultSuffix, "lgf");
    EXPECT_EQ(patternsOf(front->files[4]), (std::vector<std::vector<std::string>>{{"*.jpg", "*.jpeg", "*.jpe"}}));
    EXPECT_EQ(patternsOf(front->files[5]), (std::vector<std::vector<std::string>>{{"*.lgf"}, {"*.lgw"}}));
}

TEST_F(DialogPrimitives, ColourChooserStartsAtAnyColourFormAndOutputsRgb)
{
    front->answers = {chose(0, {}, 0xFF8000), tDialogAnswer{}};
    EXPECT_EQ(world.Run("show colourchooser [16 32 48]"), "[255 128 0]\n");
    EXPECT_EQ(world.Run("show colourchooser []"), "[]\n");
    ASSERT_EQ(front->colours.size(), 2u);
    EXPECT_EQ(front->colours[0].initial, 0x102030u);
    EXPECT_EQ(front->colours[1].initial, 0xFFFFFFu);
    EXPECT_EQ(world.ErrorOf("show colourchooser \"nocolour"), "erExpectColors");
}

// The output is the element itself, a list as much as a word; separators cannot be chosen.
TEST_F(DialogPrimitives, ChooserAndPopupOutputTheElementChosen)
{
    front->answers = {chose(1), chose(2), chose(1), chose(7)};
    EXPECT_EQ(world.Run("show (chooser [red [green leaf] blue] \"Colours [Pick one])"), "[green leaf]\n");
    EXPECT_EQ(world.Run("show popup [cut - paste] [10 20]"), "paste\n");
    EXPECT_EQ(world.Run("show popup [cut - paste] []"), "[]\n");
    EXPECT_EQ(world.Run("show popup [cut paste] []"), "[]\n");
    EXPECT_EQ(world.Run("show chooser []"), "[]\n");
    ASSERT_EQ(front->items.size(), 1u);
    EXPECT_EQ(front->items[0].items, (std::vector<std::string>{"red", "green leaf", "blue"}));
    EXPECT_EQ(front->items[0].caption, "Colours");
    EXPECT_EQ(front->items[0].prompt, "Pick one");
    ASSERT_EQ(front->popups.size(), 3u);
    EXPECT_EQ(front->popups[0].items, (std::vector<std::string>{"cut", "", "paste"}));
    ASSERT_TRUE(front->popups[0].at.has_value());
    EXPECT_EQ(*front->popups[0].at, (std::pair{10, 20}));
    EXPECT_FALSE(front->popups[1].at.has_value());
}

// Reads scripted lines; after them, the end of input.
class tScriptedCommander : public tCommander {
public:
    void ShowError(const std::exception&) override {}
    void Print(const std::string& text) override { printed += text + "\n"; }
    std::string ReadLine() override
    {
        if (lines.empty()) throw eTerminateException(0);
        std::string line = lines.front();
        lines.pop_front();
        return line;
    }
    void Abort() override {}
    std::deque<std::string> lines;
    std::string printed;
};

// Without a window the dialogs go through the commander: its lines answer them, and where it
// has none, or cannot read at all, or there is no commander, they count as closed unanswered.
TEST_F(DialogPrimitives, WithoutAWindowTheCommanderAnswers)
{
    installDialogFront(nullptr);
    auto commander = std::make_shared<tScriptedCommander>();
    commander->lines = {"no", "3", "  hello there "};
    setDefaultCommander(commander);
    EXPECT_EQ(world.Run("print dialogbox [Sure?] print (dialogbox [Sure?] \"Caption 1) print (readworddialog [Who?])"),
              "7\n2\n  hello there \n");
    EXPECT_EQ(commander->printed, "Sure? (6 Yes, 7 No)\nSure? (1 OK, 2 Cancel)\nWho?\n");
    EXPECT_EQ(world.Run("print (dialogbox [Sure?] \" 3) show readlistdialog"), "2\n[]\n");
    setDefaultCommander(std::make_shared<tdefaultcommander>([](const std::string&, const std::string&) {}));
    EXPECT_EQ(world.Run("print dialogbox [Sure?] show readworddialog messagebox \"hi"), "7\n[]\n");
    setDefaultCommander(nullptr);
    EXPECT_EQ(world.Run("print dialogbox [Sure?] show readworddialog messagebox \"hi"), "7\n[]\n");
}

}  // namespace
