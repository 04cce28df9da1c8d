#include <gtest/gtest.h>

#include "MainObjectWorld.h"
#include "language/Language.h"
#include "objects/tControlObject.h"

namespace {

// A class with an instance, and an object that lives inside the class as its place.
class ObjectVariablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dog = world.Make("dog");
        rex = world.Make("rex", dog, true);
        inside = world.Make("inside", nullptr, true);
        inside->SetPlace(dog);
    }

    bool hasOwn(tControlObject* object, const char* name) { return object->varTable->Lookup(nameCode(name)); }

    tMainObjectWorld world;
    tControlObject* dog = nullptr;
    tControlObject* rex = nullptr;
    tControlObject* inside = nullptr;
};

TEST_F(ObjectVariablesTest, OwnVariableOfAClassIsCopiedToItsDependents)
{
    world.Run("ask \"dog [haveown \"legs 4]");
    EXPECT_TRUE(hasOwn(rex, "legs"));
    EXPECT_FALSE(hasOwn(inside, "legs")) << "objects inside the class share it through their place";
    // The copy is the instance's own: changing the class leaves it alone.
    EXPECT_EQ(world.Run("ask \"dog [setlegs 3] ask \"rex [print legs print get \"legs] print ask \"dog [legs]"),
              "4\n4\n3\n");
}

TEST_F(ObjectVariablesTest, CommonVariableIsSharedThroughTheChain)
{
    world.Run("ask \"dog [havecommon \"tail 1]");
    EXPECT_FALSE(hasOwn(rex, "tail"));
    EXPECT_EQ(world.Run("ask \"dog [settail 2] ask \"rex [print tail]"), "2\n");
    // Assigning from the instance reaches the class's variable it found.
    EXPECT_EQ(world.Run("ask \"rex [set \"tail 5] ask \"dog [print tail]"), "5\n");
}

TEST_F(ObjectVariablesTest, AccessorsAreMadeOnlyWhereTheyCanBe)
{
    world.Run("ask \"rex [haveown \"speed 7 haveown 12 1 haveown \"print 3]");
    EXPECT_EQ(world.Run("ask \"rex [print speed setspeed 8 print speed]"), "7\n8\n");
    EXPECT_EQ(world.Run("ask \"rex [print 12 print get 12]"), "12\n1\n") << "a number keeps reading as a number";
    EXPECT_EQ(world.Run("ask \"rex [print get \"print]"), "3\n") << "a primitive keeps its name";
    // Giving the variable again only changes its value.
    EXPECT_EQ(world.Run("ask \"rex [haveown \"speed 9 print speed]"), "9\n");
}

struct tErrorCase {
    const char* lines;
    const char* key;
};

class ObjectVariableErrorsTest : public ObjectVariablesTest, public ::testing::WithParamInterface<tErrorCase> {};

TEST_P(ObjectVariableErrorsTest, Fails) { EXPECT_EQ(world.ErrorOf(GetParam().lines), GetParam().key) << GetParam().lines; }

INSTANTIATE_TEST_SUITE_P(Cases, ObjectVariableErrorsTest,
                         ::testing::Values(tErrorCase{"ask \"rex [set \"nothing 1]", "erUndefObjVar"},
                                           tErrorCase{"ask \"rex [print get \"nothing]", "erNoVal"},
                                           tErrorCase{"set \" 1", "erEmptyWord"},
                                           tErrorCase{"haveown \" 1", "erEmptyWord"},
                                           tErrorCase{"havecommon \" 1", "erEmptyWord"},
                                           tErrorCase{"haveown \"|two words| 1", "erWrongVarName"},
                                           tErrorCase{"haveown \"|[x| 1", "erWrongVarName"}));

}  // namespace
