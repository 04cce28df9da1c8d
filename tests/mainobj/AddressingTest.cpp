#include <gtest/gtest.h>

#include "MainObjectWorld.h"
#include "language/Language.h"
#include "objects/tControlObject.h"

namespace {

// Two dogs and a cat.
class AddressingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dog = world.Make("dog");
        cat = world.Make("cat");
        world.Make("rex", dog, true);
        world.Make("fido", dog, true);
        world.Make("tom", cat, true);
        world.Make("loner", nullptr, true);
    }

    tMainObjectWorld world;
    tControlObject* dog = nullptr;
    tControlObject* cat = nullptr;
};

TEST_F(AddressingTest, WhoFollowsTheReceivers)
{
    EXPECT_EQ(world.Run("show who"), "[]\n");
    EXPECT_EQ(world.Run("tell \"rex show who"), "rex\n");
    EXPECT_EQ(world.Run("tell [fido] show who"), "fido\n");
    EXPECT_EQ(world.Run("tell [rex fido] show who"), "[rex fido]\n");
    EXPECT_EQ(world.Run("tell [] show who"), "[]\n");
    EXPECT_EQ(world.Run("show ask \"rex [who]"), "rex\n");
}

TEST_F(AddressingTest, AskRunsInTheObjectAndRestoresTheContext)
{
    EXPECT_EQ(world.Run("ask \"rex [print myname] print myname"), "rex\nmain\n");
    EXPECT_EQ(world.Run("print ask \"fido [myname]"), "fido\n");
    EXPECT_EQ(world.Run("ask \"rex [ask \"tom [print myname] print myname]"), "tom\nrex\n");
    EXPECT_EQ(world.ErrorOf("ask \"rex [print 1 / 0]"), "erDiv0");
    EXPECT_EQ(world.Run("print myname"), "main\n");
    EXPECT_TRUE(world.context->askStack.empty());
}

TEST_F(AddressingTest, EachVisitsEveryReceiverInOrder)
{
    EXPECT_EQ(world.Run("tell [rex fido] each [print myname]"), "rex\nfido\n");
    EXPECT_EQ(world.Run("askeach [fido rex] [print myname]"), "fido\nrex\n");
    // Without receivers the list runs once, in the current object.
    EXPECT_EQ(world.Run("ask \"tom [each [print myname]]"), "tom\n");
}

struct tErrorCase {
    const char* lines;
    const char* key;
};

class AddressingErrorsTest : public AddressingTest, public ::testing::WithParamInterface<tErrorCase> {};

TEST_P(AddressingErrorsTest, Fails)
{
    EXPECT_EQ(world.ErrorOf(GetParam().lines), GetParam().key) << GetParam().lines;
    EXPECT_TRUE(world.context->askStack.empty()) << GetParam().lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressingErrorsTest,
    ::testing::Values(tErrorCase{"tell [rex tom]", "erIncopatible"},
                      tErrorCase{"ask [rex fido tom] [print 1]", "erIncopatible"},
                      tErrorCase{"tell [rex loner]", "erIncopatible"},
                      tErrorCase{"ask \"rex [tell \"fido]", "erWrongPlaceAsk"},
                      tErrorCase{"tell [rex fido] each [tell \"rex]", "erWrongPlaceAsk"},
                      tErrorCase{"ask \"nobody [print 1]", "erNoObject"},
                      tErrorCase{"ask [rex [fido]] [print 1]", "erExpectList"},
                      tErrorCase{"define \"deeper [[] [ask \"rex [deeper]]] deeper", "erDeepAsk"}));

TEST_F(AddressingTest, ProceduresOfTheClassAreSentToEveryReceiver)
{
    world.Run("ask \"dog [define \"bark [[] [print myname]] define \"legs [[] [output 4]]]");
    EXPECT_EQ(world.Run("tell [rex fido] bark"), "rex\nfido\n");
    EXPECT_EQ(world.Run("tell [rex fido] show legs"), "[4 4]\n");
    EXPECT_EQ(world.Run("tell \"fido show legs"), "4\n");
    // Main-object primitives still run once, in the addressing object.
    EXPECT_EQ(world.Run("tell [rex fido] print myname"), "main\n");
    // A procedure defined after "tell" reaches the receivers from the next addressing on.
    world.Run("ask \"dog [define \"sit [[] [print \"sits]]]");
    EXPECT_EQ(world.Run("ask [rex fido] [sit]"), "sits\nsits\n");
}

TEST_F(AddressingTest, GetparamOutsideCreationReadsTheClass)
{
    world.Run("ask \"dog [haveown \"legs 4]");
    EXPECT_EQ(world.Run("ask \"rex [print getparam \"legs 0 print peekparam \"tail 9]"), "4\n9\n");
}

}  // namespace
