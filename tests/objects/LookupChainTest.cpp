#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "language/Language.h"
#include "objects/objectKinds.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tcontainerobject.h"
#include "values/eLogoException.h"
#include "values/tLogoStack.h"
#include "values/tLogoTab.h"
#include "values/tSpecialProcDesc.h"

namespace {

// A main object and a way to make objects from named parents, all with their tables set up.
class LookupChainTest : public ::testing::Test {
protected:
    LookupChainTest()
    {
        main = new tcontainerobject(nullptr, "main", tmultiobject::kNoParents);
        AddRef(main);
        main->SetUpTables();
        setMainObject(main);
    }
    ~LookupChainTest() override
    {
        for (auto it = made.rbegin(); it != made.rend(); ++it) Release(*it);
        setMainObject(nullptr);
        Release(main);
    }

    tmultiobject* Make(const char* name, std::initializer_list<tmultiobject*> parents)
    {
        tLogoStack stack;
        for (tmultiobject* parent : parents) stack.push(parent);
        int count = parents.size() == 0 ? tmultiobject::kOnlyMain : static_cast<int>(parents.size());
        auto* object = new tControlObject(&stack, name, count);
        AddRef(object);
        object->SetUpTables();
        made.push_back(object);
        return object;
    }

    static std::vector<tLogoTab*> Own(std::initializer_list<tmultiobject*> objects)
    {
        std::vector<tLogoTab*> tables;
        for (tmultiobject* object : objects) tables.push_back(object->procTable.get());
        return tables;
    }

    tcontainerobject* main;
    std::vector<tmultiobject*> made;
};

TEST_F(LookupChainTest, AnObjectWithoutParentsEndsItsChainsWithTheMainObject)
{
    tmultiobject* a = Make("a", {});
    EXPECT_EQ(a->procChain, Own({a, main}));
    EXPECT_EQ(a->lifecycleChain, Own({a, main}));
    EXPECT_EQ(a->varChain.back(), main->varTable.get());
    EXPECT_EQ(a->ancestors, (std::vector<tmultiobject*>{main}));
}

TEST_F(LookupChainTest, SharedAncestorComesOnceAfterEveryObjectThatInheritsFromIt)
{
    tmultiobject* base = Make("base", {});
    tmultiobject* left = Make("left", {base});
    tmultiobject* right = Make("right", {base});
    tmultiobject* object = Make("object", {left, right});
    EXPECT_EQ(object->procChain, Own({object, left, right, base, main}));
    EXPECT_EQ(object->ancestors, (std::vector<tmultiobject*>{left, right, base, main}));
}

TEST_F(LookupChainTest, BehavioursComeBeforeClassParentsButNotInTheLifecycleChain)
{
    tmultiobject* kind = Make("kind", {});
    tmultiobject* behaviour = Make("behaviour", {});
    tmultiobject* object = Make("object", {kind});
    object->AddBehaviour(behaviour, false);
    EXPECT_EQ(object->procChain, Own({object, behaviour, kind, main}));
    EXPECT_EQ(object->lifecycleChain, Own({object, kind, main}));
    object->AddBehaviour(behaviour, false);
    EXPECT_EQ(object->parents.size(), 2u);
    object->RemoveBehaviour(behaviour, false);
    EXPECT_EQ(object->procChain, Own({object, kind, main}));
}

// Name resolution remembers answers until a name table or a chain changes: every rebuilt chain,
// of the object itself or of a dependent, must be announced.
TEST_F(LookupChainTest, EveryRebuiltChainIsAnnounced)
{
    tmultiobject* kind = Make("kind", {});
    tmultiobject* object = Make("object", {kind});
    tmultiobject* behaviour = Make("behaviour", {});
    const auto rebuilt = [](auto&& change) {
        const uint64_t before = nameTablesGeneration();
        change();
        return nameTablesGeneration() != before;
    };
    EXPECT_TRUE(rebuilt([&] { object->AddBehaviour(behaviour, false); }));
    EXPECT_TRUE(rebuilt([&] { object->RemoveBehaviour(behaviour, false); }));
    EXPECT_TRUE(rebuilt([&] { kind->AddBehaviour(behaviour, false); }));
    EXPECT_EQ(object->procChain, Own({object, kind, behaviour, main}));
}

TEST_F(LookupChainTest, AChangeOfAParentReachesEveryDependent)
{
    tmultiobject* kind = Make("kind", {});
    tmultiobject* object = Make("object", {kind});
    tmultiobject* behaviour = Make("behaviour", {});
    kind->AddBehaviour(behaviour, false);
    EXPECT_EQ(object->procChain, Own({object, kind, behaviour, main}));
}

TEST_F(LookupChainTest, ALoopInTheParentGraphFailsAndLeavesTheParentsAsTheyWere)
{
    tmultiobject* kind = Make("kind", {});
    tmultiobject* object = Make("object", {kind});
    try {
        kind->AddBehaviour(object, false);
        FAIL() << "no erLinkLoop";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erLinkLoop);
    }
    EXPECT_EQ(kind->parents, (std::vector<tmultiobject*>{main}));
    EXPECT_EQ(kind->procChain, Own({kind, main}));
    EXPECT_EQ(object->procChain, Own({object, kind, main}));
}

TEST_F(LookupChainTest, ProceduresAreFoundInChainOrderAndTheInheritedOneAfterThem)
{
    tmultiobject* kind = Make("kind", {});
    tmultiobject* object = Make("object", {kind});
    uint32_t code = nameCode("someprocedure");
    auto* own = new tStop(code);
    auto* inherited = new tStop(code);
    object->procTable->PutEntry(own);
    kind->procTable->PutEntry(inherited);
    int level = -1;
    EXPECT_EQ(object->LookupMethod(code, level), own);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(object->FindNextMethod(level, code), inherited);
    EXPECT_EQ(level, 1);
    EXPECT_THROW(object->FindNextMethod(level, code), eLogoException);
    EXPECT_EQ(object->LookupMethod(nameCode("nowhere"), level), nullptr);
}

TEST_F(LookupChainTest, LifecycleNamesAreNotTakenFromBehaviours)
{
    tmultiobject* object = Make("object", {});
    tmultiobject* behaviour = Make("behaviour", {});
    object->AddBehaviour(behaviour, false);
    uint32_t create = nameCode(primaryName("create"));
    behaviour->procTable->PutEntry(new tStop(create));
    int level = 0;
    EXPECT_EQ(object->LookupMethod(create, level), nullptr);
    EXPECT_NE(behaviour->LookupMethod(create, level), nullptr);
}

TEST_F(LookupChainTest, ObjectNamesResolveThroughContainersAndSpecialNames)
{
    tmultiobject* kind = Make("kind", {});
    auto* inner = static_cast<tControlObject*>(Make("inner", {kind}));
    main->Register(inner);
    tmultiobject* object = Make("object", {kind});
    EXPECT_EQ(resolveObjectName(object, nameCode("inner")), inner);
    EXPECT_EQ(resolveObjectName(object, nameCode(primaryName("receiver"))), object);
    EXPECT_EQ(resolveObjectName(object, nameCode(primaryWord("class", "main"))), main);
    EXPECT_EQ(resolveObjectName(object, nameCode(primaryName("myParent"))), kind);
    EXPECT_EQ(resolveObjectName(object, nameCode("unknown")), nullptr);
    EXPECT_THROW(resolveObjectName(object, nameCode(primaryName("myPlace"))), eLogoException);
    EXPECT_EQ(inner->FullName(), "main'inner");
    // The table's hold on the object would otherwise keep the main object alive.
    main->objects->Erase(nameCode("inner"));
}

TEST(ObjectKinds, EveryWordOfAKindNamesItsClassObject)
{
    EXPECT_EQ(kindClassName(nameCode("colourslider")), nameCode("colorslider"));
    EXPECT_EQ(kindClassName(nameCode("COLORSLIDER")), nameCode("colorslider"));
    EXPECT_EQ(kindClassName(nameCode("turtle")), nameCode("turtle"));
    EXPECT_EQ(kindClassName(nameCode("dog")), nameCode("dog"));
}

}  // namespace
