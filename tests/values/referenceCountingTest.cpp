#include <gtest/gtest.h>

#include <thread>

#include "values/tCompiledCode.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/tLogoBool.h"
#include "values/valuePools.h"
#include "valueTestSupport.h"

namespace {

// Runs the test body as a Logo process thread with full pools.
class PooledValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        createValuePools();
        setRunningLogoProcess(true);
    }
    void TearDown() override { setRunningLogoProcess(false); }
};

TEST(ReferenceCounting, AssignCountsTheNewValueBeforeDroppingTheOld)
{
    const long before = liveWordCount();
    tlogoobject* slot = nullptr;
    auto* value = new tLogoInt(1);
    Assign(slot, static_cast<tlogoobject*>(value));
    EXPECT_EQ(value->refCount, 1);
    Assign(slot, static_cast<tlogoobject*>(value));  // the same value: nothing happens
    EXPECT_EQ(value->refCount, 1);
    Assign(slot, static_cast<tlogoobject*>(new tLogoInt(2)));  // the old one is freed
    EXPECT_EQ(liveWordCount(), before + 1);
    Assign(slot, static_cast<tlogoobject*>(nullptr));
    EXPECT_EQ(liveWordCount(), before);
}

TEST(ReferenceCounting, UnholdHandsOverWithoutDisposing)
{
    const long before = liveWordCount();
    tlogoobject* value = AddRef(new tLogoString("abc"));
    Unhold(value);
    EXPECT_EQ(value->refCount, 0);
    EXPECT_EQ(liveWordCount(), before + 1);
    AddRef(value);
    Release(value);
    EXPECT_EQ(liveWordCount(), before);
    Release(nullptr);
    EXPECT_EQ(AddRef(nullptr), nullptr);
}

TEST_F(PooledValues, FactoriesRecycleInstancesWithoutAllocating)
{
    const tPoolLevels full = valuePoolLevels();
    ASSERT_EQ(full.integers, kValuePoolSize);
    const long words = liveWordCount();
    tLogoInt* first = NewInteger(5);
    EXPECT_TRUE(first->pooled);
    EXPECT_EQ(valuePoolLevels().integers, kValuePoolSize - 1);
    EXPECT_EQ(liveWordCount(), words);  // taken from the pool, not constructed
    AddRef(first);
    Release(first);
    EXPECT_EQ(valuePoolLevels().integers, kValuePoolSize);
    tLogoInt* second = NewInteger(6);
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->WordText(), "6");  // no stale printed text
    AddRef(second);
    Release(second);

    tLogoString* text = NewWord("abc");
    EXPECT_EQ(text->WordText(), "abc");
    EXPECT_FALSE(text->IsNumber());
    AddRef(text);
    Release(text);
    tLogoString* again = NewWord("12");
    EXPECT_EQ(again, text);
    EXPECT_TRUE(again->IsInteger());  // the analysis cache was reset
    AddRef(again);
    Release(again);
    EXPECT_EQ(liveWordCount(), words);
}

TEST_F(PooledValues, AnEmptyPoolFallsBackToAllocationAndAFullOneFrees)
{
    std::vector<tlogoobject*> held;
    for (int i = 0; i < kValuePoolSize + 5; ++i) held.push_back(AddRef(NewReal(i)));
    EXPECT_EQ(valuePoolLevels().reals, 0);
    EXPECT_FALSE(held.back()->pooled);
    const long allocated = liveWordCount();
    for (tlogoobject* value : held) Release(value);
    EXPECT_EQ(valuePoolLevels().reals, kValuePoolSize);
    EXPECT_EQ(liveWordCount(), allocated - 5);  // the five unpooled ones were freed
}

TEST_F(PooledValues, OtherThreadsNeitherTakeFromNorGiveBackToThePools)
{
    bool pooled = true;
    tlogoobject* fromPool = AddRef(NewBoolean(true));
    const long words = liveWordCount();
    std::thread other([&] {
        tLogoRef<tlogoobject> value(NewBoolean(true));
        pooled = value->pooled;
        Release(fromPool);  // freed here, not handed back by a thread outside the lock
    });
    other.join();
    EXPECT_FALSE(pooled);
    EXPECT_EQ(liveWordCount(), words - 1);
    EXPECT_EQ(valuePoolLevels().booleans, kValuePoolSize - 1);
    createValuePools();  // refill for the tests that follow
}

TEST_F(PooledValues, TakeValueOfReusesTheHoldersObject)
{
    tLogoRef<tlogoobject> stored(new tLogoInt(1));
    tlogoobject* temporary = NewInteger(42);
    EXPECT_TRUE(stored->TakeValueOf(temporary));
    EXPECT_EQ(stored->WordText(), "42");
    EXPECT_EQ(valuePoolLevels().integers, kValuePoolSize);  // the temporary went back

    tLogoRef<tlogoobject> word(new tLogoString("old"));
    EXPECT_TRUE(word->TakeValueOf(NewWord("new")));
    EXPECT_EQ(word->WordText(), "new");

    EXPECT_FALSE(stored->TakeValueOf(NewReal(1.5L)));  // another class
    tLogoRef<tlogoobject> shared(stored);               // count 2: others see this object
    EXPECT_FALSE(stored->TakeValueOf(NewInteger(3)));
    EXPECT_TRUE(stored->TakeValueOf(stored.get()));
}

TEST_F(PooledValues, ClonesAreUnpooledCopies)
{
    tLogoRef<tlogoobject> pooled(NewReal(2.5L));
    tLogoRef<tlogoobject> copy(pooled->Clone());
    EXPECT_FALSE(copy->pooled);
    EXPECT_EQ(copy->WordText(), "2.5");
    tLogoRef<tlogoobject> readNumber(new tLogoInt(7, "007"));
    EXPECT_EQ(tLogoRef<tlogoobject>(readNumber->Clone())->WordText(), "007");
}

struct tCountingForm : tCompiledCode {
    explicit tCountingForm(int mode) : mode(mode) { ++made; }
    int mode;
    static inline int made = 0;
};

TEST(CompileHook, WordsCacheTheirCompiledFormPerMode)
{
    tLogoRef<tlogoobject> word(new tLogoString("fd 10"));
    setWordCompiler(nullptr);
    EXPECT_EQ(raisedKey([&] { word->Compile(0); }), erExpectList);
    setWordCompiler([](tLogoWord&, int mode) -> tCompiledCode* { return new tCountingForm(mode); });
    tCountingForm::made = 0;
    auto* first = static_cast<tCountingForm*>(word->Compile(0));
    EXPECT_EQ(word->Compile(0), first);
    EXPECT_EQ(tCountingForm::made, 1);
    EXPECT_EQ(static_cast<tCountingForm*>(word->Compile(2))->mode, 2);
    EXPECT_EQ(tCountingForm::made, 2);
    static_cast<tLogoString*>(word.get())->SetText("rt 90");  // a new text drops the cache
    word->Compile(2);
    EXPECT_EQ(tCountingForm::made, 3);
    setWordCompiler(nullptr);
}

}  // namespace

namespace {

#ifndef NDEBUG
TEST(PoolLockCheck, APoolUsedWithoutTheInterpreterLockStopsACheckedBuild)
{
    createValuePools();
    setInterpreterLockCheck([] { return false; });
    EXPECT_DEATH(
        {
            setRunningLogoProcess(true);
            NewInteger(1);
        },
        "");
    setInterpreterLockCheck([] { return true; });
    setRunningLogoProcess(true);
    {
        tLogoRef<tlogoobject> fine(NewInteger(2));
        EXPECT_TRUE(fine->pooled);
    }
    setRunningLogoProcess(false);
    setInterpreterLockCheck(nullptr);
}
#endif

}  // namespace
