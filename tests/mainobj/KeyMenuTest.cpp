#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "MainObjectWorld.h"
#include "interpreter/Evaluator.h"
#include "language/Language.h"
#include "mainobj/keyboard/keyMenuDispatch.h"
#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/keyboard/keyNames.h"
#include "mainobj/keyboard/keyboardPrimitives.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/destructionHooks.h"
#include "objects/objectLifecycle.h"
#include "objects/propertyVariables.h"
#include "objects/tControlObject.h"
#include "objects/tcontainerobject.h"
#include "processes/tCommander.h"
#include "processes/tallthreads.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"

namespace {

using namespace keyModifier;

tKeyStroke press(uint8_t character, uint8_t modifiers = 0) { return {0, 0, modifiers, character}; }
tKeyStroke special(uint16_t number, uint8_t modifiers = 0, uint8_t release = 0) { return {release, number, modifiers, 0}; }
constexpr tKeyStroke kAny{0, specialKey::kAnyStroke, 0, 0};

// Errors of key-menu processes, from whatever thread they run on.
class tErrorRecorder : public tCommander {
public:
    void ShowError(const std::exception& error) override
    {
        auto* logoError = dynamic_cast<const eLogoException*>(&error);
        std::lock_guard<std::mutex> hold(guard);
        errors.push_back(logoError ? errorConstName(logoError->key) : error.what());
    }
    void Print(const std::string&) override {}
    std::string ReadLine() override { return {}; }
    void Abort() override {}

    std::mutex guard;
    std::vector<std::string> errors;
};

class tTestPage : public tcontainerobject {
public:
    using tcontainerobject::tcontainerobject;
    bool IsPage() const override { return true; }
};

// The main window with two pages, the first shown. "rex" and "fox" stand on the shown page,
// "owl" on the hidden one, "bat" on the window itself; all are instances of a kind class
// that declares "keyMenu".
class KeyMenuTest : public ::testing::Test {
protected:
    KeyMenuTest()
    {
        keyboard.Reset();
        setDefaultCommander(errors);
        registerKeyboardPrimitives(*mainLogoObject().procTable);
        addDestructionHook(&forgetKeyMenu);
        window = container<tcontainerobject>("win", mainLogoObject());
        shownPage = container<tTestPage>("page1", *window);
        hiddenPage = container<tTestPage>("page2", *window);
        animal = world.Make("animal");
        animal->isPrototype = true;
        declareKeyMenuProperty(*animal);
        rex = instance("rex", *shownPage);
        fox = instance("fox", *shownPage);
        owl = instance("owl", *hiddenPage);
        bat = instance("bat", *window);
        setKeyMenuWindow({window, [this] { return static_cast<tmultiobject*>(shownPage); }, {}, {}});
    }
    ~KeyMenuTest() override
    {
        AwaitKeyMenus();
        EXPECT_EQ(errors->errors, std::vector<std::string>{});
        setDefaultCommander(nullptr);
        setKeyMenuWindow({});
        keyboard.Reset();
    }

    template <class Container>
    Container* container(const char* name, tcontainerobject& owner)
    {
        auto* made = new Container(nullptr, name, tmultiobject::kOnlyMain);
        made->SetUpTables();
        made->creationDone = true;
        owner.Register(made);
        return made;
    }

    tControlObject* instance(const char* name, tcontainerobject& owner)
    {
        world.context->stack.push(animal);
        auto* made = new tControlObject(&world.context->stack, name, 1);
        made->isInstance = true;
        made->creationDone = true;
        made->SetUpTables();
        owner.Register(made);
        giveInstanceProperties(*made);
        return made;
    }

    void SetMenu(tmultiobject* object, const char* menu)
    {
        tLogoRef<tLogoList> read(ListFromText(menu, false));
        setKeyMenu(*object, read->first);
    }

    // Runs the lines with the object as the current object, as "ask" would.
    std::string RunIn(tmultiobject* object, const std::string& text)
    {
        world.context->PushAskInto(object);
        std::string result;
        try {
            result = world.Run(text);
        } catch (eLogoException& error) {
            result = errorConstName(error.key);
        }
        world.context->PopAsk();
        world.printed.clear();
        return result;
    }

    std::vector<std::string> Patterns()
    {
        std::vector<std::string> patterns;
        for (const tKeyMenuTable::tEntry& entry : keyboard.table.Entries())
            patterns.push_back(entry.object->name + ":" +
                               (entry.pattern == kAny ? "any" : keyStrokeName(entry.pattern)) + ":" +
                               (entry.list ? entry.list->PrintText(0) : "-"));
        return patterns;
    }

    // Lets the key-menu processes run until none is left and no stroke waits for them.
    void AwaitKeyMenus()
    {
        tInterpreterLock::Releaser released;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (;;) {
            {
                std::lock_guard<std::mutex> hold(keyboard.keyLock);
                if (keyboard.keyMenuBusy == 0 && keyboard.deferredKeys.Empty() && tallthreads::Instance().Count() == 0)
                    return;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "key menus still running";
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    // Printed lines in sorted order, for handlers of several objects that run side by side.
    std::vector<std::string> SortedLines()
    {
        std::vector<std::string> lines;
        std::string text = world.printed;
        std::erase(text, '\r');
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        std::sort(lines.begin(), lines.end());
        world.printed.clear();
        return lines;
    }

    std::string Printed()
    {
        std::string text = world.printed;
        std::erase(text, '\r');
        world.printed.clear();
        return text;
    }

    tMainObjectWorld world;
    tKeyboardState& keyboard = keyboardState();
    std::shared_ptr<tErrorRecorder> errors = std::make_shared<tErrorRecorder>();
    tcontainerobject* window;
    tTestPage* shownPage;
    tTestPage* hiddenPage;
    tControlObject* animal;
    tControlObject *rex, *fox, *owl, *bat;
};

TEST_F(KeyMenuTest, KeysBeforeAListShareIt)
{
    struct tCase {
        const char* menu;
        std::vector<std::string> patterns;
    };
    const tCase cases[] = {
        {"[f1 [print 1] ctrl.s shift.f2 [print 2]]", {"rex:f1:print 1", "rex:ctrl.S:print 2", "rex:shift.f2:print 2"}},
        {"[enter [a] [b]]", {"rex:enter:a", "rex:any:b"}},
        {"[f1 [] [b]]", {"rex:f1:-", "rex:any:b"}},
        {"[off.a A [x]]", {"rex:off.a:x", "rex:A:x"}},
        {"[[b]]", {"rex:any:b"}},
        {"[[]]", {}},
        {"[]", {}},
    };
    for (const tCase& each : cases) {
        SCOPED_TRACE(each.menu);
        SetMenu(rex, each.menu);
        EXPECT_EQ(Patterns(), each.patterns);
    }
}

TEST_F(KeyMenuTest, AFailingListLeavesTheMenuAsItWas)
{
    struct tCase {
        const char* value;
        errorConst key;
    };
    const tCase cases[] = {
        {"5", erExpectList},
        {"\"f1", erExpectList},
        {"[f1]", erBadStructure},
        {"[[a] f1 [b]]", erBadStructure},
        {"[f1 [a] [b] [c]]", erBadStructure},
        {"[f1 [a] f2]", erBadStructure},
        {"[shift.1 [a]]", erUnknownKeyMenu},
        {"[f1 [a] 2.5 [b]]", erUnknownKeyMenu},
    };
    RunIn(rex, "setkeymenu [f9 [print 9]]");
    for (const tCase& each : cases) {
        SCOPED_TRACE(each.value);
        EXPECT_EQ(RunIn(rex, std::string("setkeymenu ") + each.value), errorConstName(each.key));
        EXPECT_EQ(Patterns(), std::vector<std::string>{"rex:f9:print 9"});
        EXPECT_EQ(RunIn(rex, "show keymenu"), "[f9 [print 9]]\n");
    }
}

TEST_F(KeyMenuTest, ThePropertyReadsBackWhatWasSetAndLastSetComesLast)
{
    EXPECT_EQ(RunIn(rex, "show keymenu"), "[]\n");
    RunIn(rex, "setkeymenu [a [print 1]]");
    RunIn(fox, "setkeymenu [b [print 2]]");
    RunIn(rex, "setkeymenu [c [print 3]]");
    EXPECT_EQ(Patterns(), (std::vector<std::string>{"fox:b:print 2", "rex:c:print 3"}));
    RunIn(fox, "setkeymenu []");
    EXPECT_EQ(RunIn(fox, "show keymenu"), "[]\n");
    EXPECT_EQ(Patterns(), std::vector<std::string>{"rex:c:print 3"});
    destroyObject(rex);
    EXPECT_TRUE(keyboard.table.Empty());
}

TEST_F(KeyMenuTest, EachShownObjectRunsItsFirstMatchingEntryAsAProcess)
{
    SetMenu(rex, "[f1 [print \"rex1 print processname] f1 [print \"second] [print lastkey]]");
    SetMenu(fox, "[f1 [print \"fox1]]");
    SetMenu(owl, "[f1 [print \"owl1] [print \"owl]]");
    SetMenu(bat, "[f1 [] [print \"bat]]");
    offerKeyStroke(special(59));
    AwaitKeyMenus();
    EXPECT_EQ(SortedLines(), (std::vector<std::string>{"@rexkeymenu", "fox1", "rex1"}));
    // The release matches only the catch-all entries; the last key is the stroke that started them.
    offerKeyStroke(special(59, 0, 1));
    AwaitKeyMenus();
    EXPECT_EQ(SortedLines(), (std::vector<std::string>{"bat", "off.f1"}));
    // Only presses are queued for the reading primitives.
    EXPECT_EQ(keyboard.keyQueue.Size(), 1u);
}

TEST_F(KeyMenuTest, KeyMenusCanBeSwitchedOff)
{
    declareAcceptKeyMenuProperty(*animal);
    SetMenu(rex, "[[print \"rex]]");
    EXPECT_EQ(RunIn(bat, "setacceptkeymenu \"maybe print acceptkeymenu"), "erNotBool");
    EXPECT_EQ(RunIn(bat, "setacceptkeymenu \"false print acceptkeymenu"), "false\n");
    offerKeyStroke(press('a'));
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "");
    EXPECT_EQ(keyboard.keyQueue.Size(), 1u);
    keyboard.acceptKeyMenu = true;
    keyboard.StopCollecting();
    offerKeyStroke(press('a'));
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "rex\n");
    EXPECT_EQ(keyboard.keyQueue.Size(), 1u);
}

TEST_F(KeyMenuTest, StrokesWaitWhileAKeyMenuRunsAndFollowInOrder)
{
    // fox's run is much longer than rex's: the strokes that wait must still follow in the
    // order they came, after both runs have ended.
    SetMenu(rex, "[f3 [wait 1] f4 [print 4] f5 [print 5]]");
    SetMenu(fox, "[f3 [wait 30]]");
    // owl is on the hidden page: its key menu neither runs nor holds anything up.
    SetMenu(owl, "[[wait 1000000]]");
    for (uint16_t number : {61, 62, 63, 63}) offerKeyStroke(special(number));
    EXPECT_EQ(keyboard.deferredKeys.Size(), 3u);
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "4\n5\n5\n");
}

TEST_F(KeyMenuTest, AWaitingStrokeThatNoLongerMatchesIsDropped)
{
    SetMenu(rex, "[f3 [wait 1 setkeymenu [f5 [print 5]]] f4 [print 4] f5 [print \"old]]");
    for (uint16_t number : {61, 62, 63}) offerKeyStroke(special(number));
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "5\n");
}

TEST_F(KeyMenuTest, AKeyMenuRunsInItsObjectAddressingWhatTypedLinesAddress)
{
    tLogoRef<tLogoList> addressed(tLogoList::Cons(fox, nullptr));
    setKeyMenuWindow({window, [this] { return static_cast<tmultiobject*>(shownPage); },
                      [&] { return static_cast<tlogoobject*>(addressed.get()); }, {}});
    SetMenu(rex, "[f1 [print who print myname]]");
    offerKeyStroke(special(59));
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "fox\nrex\n");
}

// The window thread holds no interpreter lock: the dispatch waits for it in a process of its
// own, and strokes that come meanwhile wait behind it.
TEST_F(KeyMenuTest, AStrokeFromTheWindowThreadIsHandedOver)
{
    SetMenu(rex, "[a [print \"a] b [print \"b]]");
    {
        tInterpreterLock::Releaser released;
        offerKeyStroke(press('a'));
        offerKeyStroke(press('b'));
    }
    AwaitKeyMenus();
    EXPECT_EQ(Printed(), "a\nb\n");
}

}  // namespace
