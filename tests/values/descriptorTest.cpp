#include <gtest/gtest.h>

#include <memory>

#include "language/Language.h"
#include "values/eOutputException.h"
#include "values/registration.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoStack.h"
#include "values/tLogoString.h"
#include "values/tMainPasProcDesc.h"
#include "values/tObjectProcDesc.h"
#include "values/tPasProcDesc.h"
#include "values/tSpecialProcDesc.h"
#include "values/valueMethodTables.h"
#include "valueTestSupport.h"

namespace {

// Small method tables in the shape the interpreter builds: "+" for words and integers only,
// "item" and "replace" for words.
class ReceiverDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (tLogoTab* table : {&word, &integer, &boolean}) table->shared = 1;
        for (tLogoTab* table : {&word, &integer})
            RegisterLiteral<tPasProcDesc1p>(*table, "+", uint8_t{4},
                                            [](tlogoobject& r, tlogoobject* b) { return static_cast<tLogoWord&>(r).Add(b); });
        RegisterLiteral<tPasProcDesc1p>(word, "item", uint8_t{0},
                                        [](tlogoobject& r, tlogoobject* i) { return static_cast<tLogoWord&>(r).Item(i); });
        RegisterLiteral<tPasProcDesc2p>(word, "replace", uint8_t{0}, [](tlogoobject& r, tlogoobject* i, tlogoobject* v) {
            return static_cast<tLogoWord&>(r).Replace(i, v);
        });
        setValueMethodTables({&word, &integer, nullptr, &boolean});
    }
    void TearDown() override { setValueMethodTables({}); }

    tLogoTab word, integer, boolean;
    tLogoStack stack;
};

TEST_F(ReceiverDispatch, OperatorsDispatchOnTheirFirstInput)
{
    tObjectProc1Desc plus(nameCode("+"), 4, 2);
    stack.push(new tLogoInt(3));
    stack.push(new tLogoInt(4));
    plus.CallOperation(stack, 2);
    ASSERT_EQ(stack.height(), 1);
    EXPECT_EQ(stack.top()->WordText(), "7");
    stack.drop();

    stack.push(new tLogoBool(true));
    stack.push(new tLogoInt(4));
    EXPECT_EQ(raisedKey([&] { plus.CallOperation(stack, 2); }), erDoNotKnowHowTo);
    stack.truncate(0);
    stack.push(new tLogoString("abc"));
    stack.push(new tLogoInt(4));
    EXPECT_EQ(raisedKey([&] { plus.CallOperation(stack, 2); }), erExpectNumber);
    stack.truncate(0);
}

TEST_F(ReceiverDispatch, ValuesAnswerThroughTheCurrentTables)
{
    // Rebuilt tables (as after a language switch) serve values made before them.
    tLogoTab rebuilt;
    rebuilt.shared = 1;
    RegisterLiteral<tPasProcDesc1p>(rebuilt, "+", uint8_t{4},
                                    [](tlogoobject&, tlogoobject*) -> tlogoobject* { return new tLogoString("rebuilt"); });
    stack.push(new tLogoInt(3));
    stack.push(new tLogoInt(4));
    setValueMethodTables({&word, &rebuilt, nullptr, &boolean});
    tObjectProc1Desc(nameCode("+"), 4, 2).CallOperation(stack, 2);
    EXPECT_EQ(stack.top()->WordText(), "rebuilt");
    stack.truncate(0);
}

TEST_F(ReceiverDispatch, ReceiverLastOrInTheMiddle)
{
    const long before = liveWordCount();
    tObjectProcEndDesc item(nameCode("item"), 0, 2);
    stack.push(new tLogoInt(2));
    stack.push(new tLogoString("abc"));
    item.CallOperation(stack, 2);
    ASSERT_EQ(stack.height(), 1);
    EXPECT_EQ(stack.top()->WordText(), "b");

    tObjectProcNDesc replace(nameCode("replace"), 0, 3, 1);
    stack.push(new tLogoInt(1));
    stack.push(new tLogoString("xyz"));
    stack.push(new tLogoString("Q"));
    replace.CallOperation(stack, 3);
    ASSERT_EQ(stack.height(), 2);
    EXPECT_EQ(stack.top()->WordText(), "Qyz");
    stack.truncate(0);
    EXPECT_EQ(liveWordCount(), before);  // inputs and receivers were all released
}

TEST_F(ReceiverDispatch, ValueMethodsRefuseToRunOutsideDispatch)
{
    tProcDesc* method = static_cast<tProcDesc*>(word.FindEntry(std::string_view("item")));
    stack.push(new tLogoInt(1));
    EXPECT_EQ(raisedKey([&] { method->CallCommand(stack, 1); }), erInternExecuteF);
    EXPECT_EQ(raisedKey([&] { method->CallDirectOperation(stack, 1); }), erInternExecuteF);
    tProcDesc plain(nameCode("plain"), 0, 0);
    EXPECT_EQ(raisedKey([&] { plain.CallMethod(stack, 0, nullptr); }), erInternExecute);
    stack.truncate(0);
}

tlogoobject* joinTexts(void*, tlogoobject* a, tlogoobject* b) { return new tLogoString(a->WordText() + b->WordText()); }

TEST(MainDescriptors, FixedArityPopsInInputOrderAndWrapsResults)
{
    tLogoStack stack;
    tMainPasProcDesc2p join(nameCode("join"), 0, &joinTexts);
    stack.push(new tLogoString("ab"));
    stack.push(new tLogoString("cd"));
    join.CallOperation(stack, 2);
    ASSERT_EQ(stack.height(), 1);
    EXPECT_EQ(stack.top()->WordText(), "abcd");
    stack.drop();

    tMainPasProcDesc0b yes(nameCode("yes"), 0, [](void*) { return true; });
    yes.CallOperation(stack, 0);
    EXPECT_STREQ(stack.top()->ClassName(), "tLogoBool");
    tMainPasProcDesc0i seven(nameCode("seven"), 0, [](void*) { return int32_t{7}; });
    seven.CallOperation(stack, 0);
    EXPECT_EQ(stack.top()->WordText(), "7");
    stack.truncate(0);

    // An implementation may hand back one of its inputs; it stays alive on the stack.
    tMainPasProcDesc1p identity(nameCode("identity"), 0, [](void*, tlogoobject* a) { return a; });
    stack.push(new tLogoString("kept"));
    identity.CallOperation(stack, 1);
    EXPECT_EQ(stack.top()->WordText(), "kept");
    EXPECT_EQ(stack.top()->refCount, 1);
    stack.truncate(0);
}

TEST(MainDescriptors, OperationAndCommandEntriesCanDiffer)
{
    tLogoStack stack;
    tMainPasProcDesc1pF split(nameCode("split"), 0, [](void*, tlogoobject*) -> tlogoobject* { return new tLogoString("op"); },
                              [](void*, tlogoobject*) -> tlogoobject* { return nullptr; });
    stack.push(new tLogoInt(1));
    split.CallOperation(stack, 1);
    EXPECT_EQ(stack.top()->WordText(), "op");
    stack.push(new tLogoInt(1));
    split.CallCommand(stack, 1);
    EXPECT_EQ(stack.top(), nullptr);
    stack.truncate(0);

    tMainPasProcDescBF told(nameCode("told"), 0, 0, [](void*, tLogoStack&, int, int asOperation) -> tlogoobject* {
        return new tLogoInt(asOperation);
    });
    told.CallCommand(stack, 0);
    told.CallOperation(stack, 0);
    EXPECT_EQ(stack.peek(1)->WordText(), "0");
    EXPECT_EQ(stack.peek(0)->WordText(), "1");
    stack.truncate(0);

    tMainPasProcDesc count(nameCode("countinputs"), 0, 2, [](void*, tLogoStack& s, int n) -> tlogoobject* {
        s.dropN(n);
        return new tLogoInt(n);
    });
    EXPECT_TRUE(count.variable);
    for (int i = 0; i < 4; ++i) stack.push(new tLogoInt(i));
    count.CallOperation(stack, 4);
    ASSERT_EQ(stack.height(), 1);
    EXPECT_EQ(stack.top()->WordText(), "4");
}

TEST(MainDescriptors, OutputAndStopRaiseTheOutputSignal)
{
    tLogoStack stack;
    tOutput output(nameCode("output"));
    tStop stop(nameCode("stop"));
    EXPECT_EQ(output.special, kOutputProc);
    EXPECT_EQ(stop.special, kStopProc);
    stack.push(new tLogoString("result"));
    try {
        output.CallDirectCommand(stack, 1);
        FAIL() << "output did not raise";
    } catch (const eOutputException& signal) {
        EXPECT_EQ(signal.value->WordText(), "result");
        EXPECT_EQ(stack.height(), 0);
    }
    try {
        stop.CallDirectCommand(stack, 0);
        FAIL() << "stop did not raise";
    } catch (const eOutputException& signal) {
        EXPECT_FALSE(signal.value);
    }
}

}  // namespace
