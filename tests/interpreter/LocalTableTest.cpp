#include <gtest/gtest.h>

#include "interpreter/tLogoLocaltab.h"
#include "LogoTestWorld.h"
#include "language/Language.h"
#include "values/tLogoInt.h"
#include "values/tLogoStack.h"

namespace {

class LocalTableTest : public ::testing::Test {
protected:
    void SetUp() override { startLogoForTests(); }

    tLogoGlobalVarTab globals;
    tLogoLocaltab locals{&globals, false};
    tLogoStack stack;
    uint32_t x = nameCode("x"), y = nameCode("y");

    std::string Value(uint32_t code)
    {
        tlogoobject* value = locals.FindValue(code);
        return value ? value->PrintText(0) : "<none>";
    }
    void Open(std::initializer_list<int32_t> values, std::vector<uint32_t> names)
    {
        for (int32_t v : values) stack.push(new tLogoInt(v));
        locals.OpenFrame(names.data(), static_cast<int>(names.size()), stack);
    }
};

TEST_F(LocalTableTest, FramesHideAndRestoreBindings)
{
    globals.Define(x, new tLogoInt(1), 0);
    Open({10, 20}, {x, y});
    EXPECT_EQ(Value(x), "10");
    EXPECT_EQ(Value(y), "20");
    Open({30}, {x});
    EXPECT_EQ(Value(x), "30");
    locals.CloseFrame();
    EXPECT_EQ(Value(x), "10");
    locals.CloseFrame();
    // x was never bound locally before: it reads the global again; y is gone.
    EXPECT_EQ(Value(x), "1");
    EXPECT_EQ(locals.FindEntry(y), nullptr);
    EXPECT_EQ(stack.height(), 0);
}

TEST_F(LocalTableTest, AssignmentGoesToTheBindingOrTheGlobal)
{
    Open({5}, {x});
    locals.Define(x, new tLogoInt(6), 0);
    locals.Define(y, new tLogoInt(7), 0);
    EXPECT_EQ(Value(x), "6");
    EXPECT_EQ(globals.FindValue(x), nullptr);
    ASSERT_NE(globals.FindValue(y), nullptr);
    locals.CloseFrame();
    EXPECT_EQ(Value(y), "7");
    EXPECT_THROW(locals.GetValue(x), eLogoException);
}

TEST_F(LocalTableTest, RebindingInTheSameFrameSavesNothing)
{
    Open({1}, {x});
    for (int32_t v : {2, 3, 4}) {
        stack.push(new tLogoInt(v));
        locals.RebindFrame(&x, 1, stack);
    }
    stack.push(new tLogoInt(9));
    locals.RebindFrame(&y, 1, stack);
    EXPECT_EQ(Value(x), "4");
    locals.CloseFrame();
    EXPECT_EQ(locals.FindEntry(x), nullptr);
    EXPECT_EQ(locals.FindEntry(y), nullptr);
    EXPECT_FALSE(locals.FrameOpen());
}

TEST_F(LocalTableTest, RemoveLocalUndoesOnlyTheNewestBinding)
{
    Open({1}, {x});
    locals.AddLocal(y, new tLogoInt(2));
    locals.AddLocal(x, new tLogoInt(3));
    locals.RemoveLocal(x);
    EXPECT_EQ(Value(x), "1");
    // y's binding is now below the top of the save stack: it is blanked, not popped.
    locals.AddLocal(x, new tLogoInt(4));
    locals.RemoveLocal(y);
    EXPECT_EQ(locals.FindEntry(y), nullptr);
    EXPECT_EQ(Value(x), "4");
    locals.CloseFrame();
    EXPECT_EQ(locals.FindEntry(x), nullptr);
}

TEST_F(LocalTableTest, ErasedEntriesComeBackWithTheSavedValue)
{
    Open({1}, {x});
    Open({2}, {x});
    locals.Erase(x);
    locals.CloseFrame();
    EXPECT_EQ(Value(x), "1");
    locals.CloseFrame();
}

TEST_F(LocalTableTest, EraseVariableClearsABindingOrTheGlobal)
{
    globals.Define(y, new tLogoInt(8), 0);
    Open({1}, {x});
    locals.EraseVariable(x);
    EXPECT_NE(locals.FindEntry(x), nullptr);
    EXPECT_THROW(locals.GetValue(x), eLogoException);
    locals.EraseVariable(y);
    EXPECT_EQ(globals.FindEntry(y), nullptr);
    locals.CloseFrame();
}

TEST_F(LocalTableTest, TopLevelLocalNeedsAFrame)
{
    try {
        locals.AddLocal(x, nullptr);
        ADD_FAILURE();
    } catch (eLogoException& error) {
        EXPECT_EQ(error.key, erWrongPlace);
    }
    tLogoLocaltab controls(&globals, true);
    controls.AddLocal(x, new tLogoInt(1));
    EXPECT_EQ(controls.FindValue(x)->PrintText(0), "1");
}

TEST_F(LocalTableTest, SnapshotCopiesTheVisibleBindings)
{
    Open({1, 2}, {x, y});
    auto copy = tLogoLocaltab::Snapshot(locals, &globals);
    locals.CloseFrame();
    EXPECT_EQ(copy->FindValue(x)->PrintText(0), "1");
    EXPECT_EQ(copy->FindValue(y)->PrintText(0), "2");
    EXPECT_TRUE(copy->FrameOpen());
    copy->AddLocal(nameCode("z"), nullptr);
}

}  // namespace
