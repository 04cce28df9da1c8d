#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <thread>

#include "MainObjectWorld.h"
#include "interpreter/tLogoLocaltab.h"
#include "objects/creationList.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "objects/propertyVariables.h"
#include "objects/tControlObject.h"
#include "processes/tInterpreterLock.h"
#include "processes/tQueuedWindowThread.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/tPseudoVarDesc.h"
#include "values/valuePools.h"

namespace {

bool contains(const std::vector<std::string>& words, const char* word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST(PropertyNamesTest, RecordsFollowTheDictionary)
{
    tMainObjectWorld world;
    const tPropertyNames& pen = propertyNames(47);
    EXPECT_EQ(codeName(pen.getterCode), "pencolour");
    EXPECT_EQ(codeName(pen.setterCode), "setpencolour");
    EXPECT_TRUE(contains(pen.extraGetterNames, "pencolor") && contains(pen.extraGetterNames, "pc"));
    EXPECT_TRUE(contains(pen.extraSetterNames, "setpencolor") && contains(pen.extraSetterNames, "setpc"));
    EXPECT_TRUE(contains(propertyNames(42).extraSetterNames, "setx"));
    EXPECT_EQ(propertyNames(2).getterCode, propertyNames(42).getterCode) << "a control's and a turtle's xCor";
    EXPECT_TRUE(contains(propertyNames(10).extraGetterNames, "shown?"));
    // The floating-point flags keep their English names.
    EXPECT_EQ(codeName(propertyNames(195).getterCode), "fpuflags");
    EXPECT_EQ(codeName(propertyNames(195).setterCode), "setfpuflags");
    EXPECT_EQ(propertyNames(29).getterCode, 0u);
    EXPECT_EQ(propertyNames(kPropertyCount).getterCode, 0u);
}

TEST(PropertyNamesTest, SetUpOrderHoldsEveryPropertyOnce)
{
    const std::vector<int32_t>& order = propertySetUpOrder();
    std::set<int32_t> distinct(order.begin(), order.end());
    EXPECT_EQ(distinct.size(), order.size());
    EXPECT_EQ(order.size(), static_cast<size_t>(kPropertyCount - 1));
    EXPECT_FALSE(distinct.count(29));
    EXPECT_EQ(order.front(), 0);
    EXPECT_EQ(order.back(), 195);
    for (int32_t number = 0; number < kPropertyCount; ++number)
        EXPECT_EQ(distinct.count(number) == 1, !propertyKey(number).empty()) << number;
}

// Bound functions of the test kind: each property keeps its value per object as a word.
std::map<std::pair<const tmultiobject*, int>, std::string> stored;

std::string storedOf(const tmultiobject* object, int number) { return stored[{object, number}]; }

template <int N>
tlogoobject* getStored(tmultiobject& object)
{
    return NewWord(stored[{&object, N}]);
}

template <int N>
void setStored(tmultiobject& object, tlogoobject* value)
{
    if (!value->IsWord()) throw eLogoException(erExpectWord, value);
    stored[{&object, N}] = value->WordText();
}

template <int N>
const tBoundProperty kStored{&getStored<N>, &setStored<N>};

// A built-in kind declaring a few properties, with a user class and an instance below it.
class PropertyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        stored.clear();
        kind = world.Make("kind");
        kind->isPrototype = true;
        declare(47, {}, 0, kStored<47>);
        declare(64, {}, propertyFlag::kAutomatic, kStored<64>);
        for (int32_t number : {4, 1, 42, 43})
            declare(number, {4, 1, 42, 43}, propertyFlag::kAutomatic, number == 42 ? kStored<42> : kStored<4>);
        puppy = world.Make("puppy", kind);
        rex = world.Make("rex", puppy, true);
        giveInstanceProperties(*rex);
    }

    void declare(int32_t number, std::vector<int32_t> affects, uint8_t flags, const tBoundProperty& functions)
    {
        declareProperty(*kind, boundPropertyDeclaration(number, std::move(affects), flags, functions));
    }

    uint8_t flagsOf(tmultiobject* object, int32_t number)
    {
        tTabDesc* entry = object->varTable->Lookup(propertyNames(number).getterCode);
        return entry ? entry->flags : 0xFF;
    }

    tMainObjectWorld world;
    tControlObject* kind = nullptr;
    tControlObject* puppy = nullptr;
    tControlObject* rex = nullptr;
};

TEST_F(PropertyTest, ClassesDeclareAndInstancesOwnTheirVariables)
{
    EXPECT_TRUE(dynamic_cast<tPseudoVarPrototype*>(kind->varTable->Lookup(propertyNames(47).getterCode)));
    auto* variable = dynamic_cast<tPseudoVarDesc*>(rex->varTable->Lookup(propertyNames(47).getterCode));
    ASSERT_TRUE(variable);
    EXPECT_EQ(variable->object, rex);
    EXPECT_FALSE(puppy->varTable->Lookup(propertyNames(47).getterCode)) << "only instances get variables";
}

TEST_F(PropertyTest, EveryNameReadsAndSetsTheProperty)
{
    EXPECT_EQ(world.Run("ask \"rex [setpc \"red print pencolor setpencolour \"blue print pc print get \"pencolour]"),
              "red\nblue\nblue\n");
    EXPECT_EQ(world.Run("ask \"rex [set \"pencolour \"green print pencolour]"), "green\n");
    EXPECT_EQ(storedOf(rex, 47), "green");
    EXPECT_EQ(world.ErrorOf("ask \"rex [setpc [1 2]]"), "erExpectWord");
    EXPECT_EQ(storedOf(rex, 47), "green") << "a refused value leaves the old one";
}

TEST_F(PropertyTest, SettersClearTheAutomaticMarksOfTheirAffectedList)
{
    for (int32_t number : {4, 1, 42, 43, 64}) EXPECT_TRUE(flagsOf(rex, number) & propertyFlag::kAutomatic) << number;
    world.Run("ask \"rex [setx 5]");
    for (int32_t number : {4, 1, 42, 43}) EXPECT_FALSE(flagsOf(rex, number) & propertyFlag::kAutomatic) << number;
    EXPECT_TRUE(flagsOf(rex, 64) & propertyFlag::kAutomatic);
    // The marks are cleared before the value is checked.
    EXPECT_EQ(world.ErrorOf("ask \"rex [setautodrag [no]]"), "erExpectWord");
    EXPECT_FALSE(flagsOf(rex, 64) & propertyFlag::kAutomatic);
}

TEST_F(PropertyTest, RemovingAPropertyTakesAllItsNames)
{
    removeProperty(*kind, 47);
    for (const char* name : {"pencolour", "pc", "setpencolour", "setpc"})
        EXPECT_FALSE(kind->procTable->Lookup(nameCode(name))) << name;
    EXPECT_FALSE(kind->varTable->Lookup(nameCode("pencolour")));
    EXPECT_TRUE(kind->procTable->Lookup(nameCode("autodrag")));
}

TEST_F(PropertyTest, ParamsToMoveTakesTheHeadThenTheDeclarationsLeft)
{
    EXPECT_EQ(buildParamsToMove(*kind, {64, 42}, {1, 4}), (std::vector<int32_t>{64, 42, 47, 43}));
}

TEST_F(PropertyTest, CreationAppliesPropertiesInOrderAndKeepsTheRestAsVariables)
{
    tControlObject* fido = world.Make("fido", puppy, true);
    fido->creationDone = false;
    world.Run("make \"pairs [name fido pc red apos a pos b legs 4 autodrag yes]");
    tlogoobject* pairs = world.context->localTable->GetValue(nameCode("pairs"));
    int winner = -2;
    tLogoRef<tlogoobject> position;
    runCreation(*fido, static_cast<tLogoList*>(pairs), [&] {
        winner = takeCreationAlternative({1, 4}, position);
        applyParamsToMove(*fido, {47});
    });
    fido->creationDone = true;
    EXPECT_EQ(winner, 0);
    EXPECT_EQ(position->WordText(), "a");
    EXPECT_EQ(storedOf(fido, 47), "red");
    EXPECT_EQ(storedOf(fido, 4), "") << "the losing alternative is dropped, not applied";
    EXPECT_EQ(storedOf(fido, 64), "yes") << "a property left in the list goes through its setter";
    EXPECT_EQ(world.Run("ask \"fido [print legs]"), "4\n");
    EXPECT_FALSE(fido->varTable->Lookup(nameCode("name")));
}

TEST_F(PropertyTest, APendingListIsConsultedBeforeTheCreationList)
{
    world.Run("make \"dialog [PENCOLOR blue] make \"pairs [pc red]");
    auto* dialog = static_cast<tLogoList*>(world.context->localTable->GetValue(nameCode("dialog")));
    auto* pairs = static_cast<tLogoList*>(world.context->localTable->GetValue(nameCode("pairs")));
    tPendingPropertiesScope pending(dialog);
    std::vector<std::string> taken;
    runCreation(*rex, pairs, [&] {
        for (int round = 0; round < 3; ++round)
            if (tLogoRef<tlogoobject> value = takeCreationValue(47)) taken.push_back(value->WordText());
    });
    EXPECT_EQ(taken, (std::vector<std::string>{"blue", "red"}));
}

TEST_F(PropertyTest, AMissingPropertyTakesTheClassValue)
{
    puppy->varTable->Define(propertyNames(47).getterCode, NewWord("brown"), 0);
    tLogoRef<tlogoobject> value;
    runCreation(*rex, nullptr, [&] { value = creationValueOrDefault(*rex, 47); });
    ASSERT_TRUE(value);
    EXPECT_EQ(value->WordText(), "brown");
}

// A protected property records the thread its accessors ran on.
std::thread::id accessorThread;

tlogoobject* getOnThread(tmultiobject& object)
{
    accessorThread = std::this_thread::get_id();
    return getStored<8>(object);
}

void setOnThread(tmultiobject& object, tlogoobject* value)
{
    accessorThread = std::this_thread::get_id();
    setStored<8>(object, value);
}

const tBoundProperty kProtectedHint{&getOnThread, &setOnThread, true};

TEST_F(PropertyTest, ProtectedAccessorsRunOnTheWindowThreadForTheCallingProcess)
{
    declare(8, {}, 0, kProtectedHint);
    giveInstanceProperties(*rex);
    tQueuedWindowThread window;  // this thread serves as the window thread
    installWindowThread(&window);
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::string printed;
    std::thread process;
    {
        tInterpreterLock::Releaser letTheProcessRun;
        process = std::thread([&] {
            tInterpreterLock::Holder lock;
            tContextScope scope(*world.context);
            printed = world.Run("ask \"rex [sethint \"tip print hint]");
            done.Set();
        });
        window.WaitServing(done);
        process.join();
    }
    installWindowThread(nullptr);
    EXPECT_EQ(printed, "tip\n");
    EXPECT_EQ(storedOf(rex, 8), "tip");
    EXPECT_EQ(accessorThread, std::this_thread::get_id());
}

}  // namespace
