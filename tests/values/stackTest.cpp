#include <gtest/gtest.h>

#include <functional>

#include "values/tLogoInt.h"
#include "values/tLogoStack.h"
#include "valueTestSupport.h"

namespace {

TEST(EvaluationStack, PushCountsAndPopsHandOverAsStated)
{
    tLogoStack stack;
    auto* a = new tLogoInt(1);
    tLogoRef<tlogoobject> keep(a);
    stack.push(a);
    EXPECT_EQ(a->refCount, 2);
    EXPECT_EQ(stack.top(), a);
    tlogoobject* raw = stack.popRaw();  // the reference moves to the caller
    EXPECT_EQ(raw->refCount, 2);
    stack.push(raw);
    Release(raw);
    tlogoobject* unheld = stack.popUnhold();
    EXPECT_EQ(unheld->refCount, 1);
    stack.push(a);
    tlogoobject* slot = nullptr;
    stack.popInto(slot);
    EXPECT_EQ(slot, a);
    EXPECT_EQ(a->refCount, 2);
    Release(slot);
}

TEST(EvaluationStack, GrowsByAThousandAndReleasesOnDestruction)
{
    const long before = liveWordCount();
    {
        tLogoStack stack;
        EXPECT_EQ(stack.capacity(), 1000);
        for (int i = 0; i < 1001; ++i) stack.push(new tLogoInt(i));
        EXPECT_EQ(stack.capacity(), 2000);
        EXPECT_EQ(stack.peek(0)->AsInteger(), 1000);
        EXPECT_EQ(stack.peek(1000)->AsInteger(), 0);
    }
    EXPECT_EQ(liveWordCount(), before);
}

TEST(EvaluationStack, RemovingBelowTheTopAndInTheMiddle)
{
    tLogoStack stack;
    for (int i = 1; i <= 5; ++i) stack.push(new tLogoInt(i));
    stack.removeBelowTop();  // 1 2 3 5
    stack.removeAt(2);       // 1 3 5
    ASSERT_EQ(stack.height(), 3);
    EXPECT_EQ(stack.peek(0)->AsInteger(), 5);
    EXPECT_EQ(stack.peek(1)->AsInteger(), 3);
    EXPECT_EQ(stack.peek(2)->AsInteger(), 1);
    tLogoStack copy;
    copy.copyFrom(stack, 2);
    EXPECT_EQ(copy.peek(0)->AsInteger(), 5);
    EXPECT_EQ(copy.peek(1)->AsInteger(), 3);
    stack.dropN(10);
    EXPECT_EQ(stack.height(), 0);
    copy.truncate(1);
    EXPECT_EQ(copy.top()->AsInteger(), 3);
}

TEST(EvaluationStack, MisuseFailsWithItsOwnKey)
{
    tLogoStack empty;
    tlogoobject* slot = nullptr;
    const std::pair<std::function<void()>, errorConst> cases[] = {
        {[&] { empty.top(); }, erStackTop},
        {[&] { empty.drop(); }, erStackDeletetop},
        {[&] { empty.popInto(slot); }, erStackPop},
        {[&] { empty.popRaw(); }, erStackPop1},
        {[&] { empty.popUnhold(); }, erStackPopdec},
        {[&] { empty.expectNone(); }, erStackPopnil},
        {[&] { empty.peek(0); }, erStackLookstack},
        {[&] { empty.removeBelowTop(); }, erStackShiftTop},
        {[&] { empty.removeAt(0); }, erStackShift},
    };
    for (const auto& [operation, key] : cases) EXPECT_EQ(raisedKey(operation), key) << errorConstName(key);
}

TEST(EvaluationStack, ExpectNoneAcceptsNoneAndReportsALeftoverValue)
{
    tLogoStack stack;
    stack.push(nullptr);
    stack.expectNone();
    EXPECT_EQ(stack.height(), 0);
    stack.push(new tLogoInt(2));
    try {
        stack.expectNone();
        FAIL() << "a leftover value passed";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erWhatToDo);
        EXPECT_EQ(error.culprit->AsInteger(), 2);
    }
    EXPECT_EQ(stack.height(), 0);
}

}  // namespace
