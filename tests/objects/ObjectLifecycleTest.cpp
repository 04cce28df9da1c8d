#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tcontainerobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

std::vector<std::string> kindSteps;

// A kind that notes the steps creation asks of it.
class tNotingKind : public tControlObject {
public:
    using tControlObject::tControlObject;
    void SetUpInstance() override { kindSteps.push_back("set up"); }
    void MakeVisualPart() override { kindSteps.push_back("visual part"); }
    void CreationCompleted() override { kindSteps.push_back(creationDone ? "completed" : "too early"); }
    void FinishCreation() override { kindSteps.push_back(owner ? "entered in " + owner->name : "not entered"); }
};

tControlObject* makeNotingKind(tLogoStack& stack, const std::string& name) { return new tNotingKind(&stack, name, 1); }

// Classes and instances registered in a main object, as "newclass" and "new" make them.
class ObjectLifecycleTest : public ::testing::Test {
protected:
    ObjectLifecycleTest()
    {
        main = new tcontainerobject(nullptr, "main", tmultiobject::kNoParents);
        AddRef(main);
        main->SetUpTables();
        setMainObject(main);
        installObjectDestruction();
        context = std::make_unique<tProcessContext>(&globals, main, true);
        scope = std::make_unique<tContextScope>(*context);
    }
    ~ObjectLifecycleTest() override
    {
        main->objects->EraseAll(0);
        scope.reset();
        context.reset();
        setMainObject(nullptr);
        Release(main);
    }

    tmultiobject* Named(const char* name) { return main->FindOwn(nameCode(name)); }

    tLogoRef<tLogoList> none{new tLogoList};
    tcontainerobject* main;
    tLogoGlobalVarTab globals;
    std::unique_ptr<tProcessContext> context;
    std::unique_ptr<tContextScope> scope;
};

TEST_F(ObjectLifecycleTest, DestroyingAClassDestroysItsInstancesAndTheirs)
{
    tControlObject* animal = createClass(*main, main, "animal", none.get());
    tControlObject* dog = createClass(*main, animal, "dog", none.get());
    createInstance(*main, dog, "rex", none.get());
    createInstance(*main, animal, "", none.get());
    EXPECT_TRUE(hasInstances(animal));
    destroyObject(animal);
    EXPECT_EQ(Named("animal"), nullptr);
    EXPECT_EQ(Named("dog"), nullptr);
    EXPECT_EQ(Named("rex"), nullptr);
    EXPECT_EQ(main->objects->first, nullptr);
}

TEST_F(ObjectLifecycleTest, DestroyingABehaviourOnlyDetachesIt)
{
    tControlObject* helper = createClass(*main, main, "helper", none.get());
    tControlObject* user = createClass(*main, main, "user", none.get());
    user->AddBehaviour(helper, false);
    destroyObject(helper);
    EXPECT_EQ(Named("user"), user);
    EXPECT_EQ(user->parents, (std::vector<tmultiobject*>{main}));
    EXPECT_EQ(user->procChain.size(), 2u);
}

TEST_F(ObjectLifecycleTest, AKindsObjectClassMakesItsSubclassesAndInstancesStepByStep)
{
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    kind->instanceClass = &makeNotingKind;
    tControlObject* sub = createClass(*main, kind, "sub", none.get());
    EXPECT_NE(dynamic_cast<tNotingKind*>(sub), nullptr);
    struct tCase {
        tCreationForm form;
        std::vector<std::string> steps;
    };
    for (const tCase& each : {tCase{tCreationForm::kNew, {"set up", "completed", "entered in main"}},
                              tCase{tCreationForm::kStored, {"set up", "visual part", "completed", "entered in main"}}}) {
        kindSteps.clear();
        tControlObject* made = createInstance(*main, sub, "", none.get(), each.form);
        EXPECT_NE(dynamic_cast<tNotingKind*>(made), nullptr);
        EXPECT_EQ(kindSteps, each.steps);
    }
}

TEST_F(ObjectLifecycleTest, AutomaticNamesFillTheFirstGap)
{
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    for (int i = 0; i < 3; ++i) createInstance(*main, kind, "", none.get());
    destroyObject(Named("object2"));
    EXPECT_EQ(createInstance(*main, kind, "", none.get())->name, "object2");
    EXPECT_EQ(createInstance(*main, kind, "", none.get())->name, "object4");
}

TEST_F(ObjectLifecycleTest, ANameTakenByAClassWithInstancesIsRefusedAndLeavesNothingBehind)
{
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    createInstance(*main, kind, "one", none.get());
    int linked = 0;
    for (tmultiobject* at = firstObject(); at; at = at->next) ++linked;
    try {
        createInstance(*main, kind, "kind", none.get());
        FAIL() << "no erEraseDesc";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erEraseDesc);
    }
    int after = 0;
    for (tmultiobject* at = firstObject(); at; at = at->next) ++after;
    EXPECT_EQ(after, linked);
    EXPECT_EQ(Named("kind"), kind);
    createInstance(*main, kind, "one", none.get());
    EXPECT_NE(Named("one"), nullptr);
}

TEST_F(ObjectLifecycleTest, RenamingMovesTheTableEntryUnlessTheNameIsTaken)
{
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    tControlObject* first = createInstance(*main, kind, "first", none.get());
    createInstance(*main, kind, "second", none.get());
    first->Rename("renamed");
    EXPECT_EQ(Named("renamed"), first);
    EXPECT_EQ(Named("first"), nullptr);
    EXPECT_THROW(first->Rename("second"), eLogoException);
    EXPECT_EQ(first->name, "renamed");
    first->Rename("RENAMED");
    EXPECT_EQ(Named("renamed"), first);
}

TEST_F(ObjectLifecycleTest, AnInstanceIsNoBaseForANewClass)
{
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    tControlObject* one = createInstance(*main, kind, "one", none.get());
    EXPECT_THROW(createClass(*main, one, "sub", none.get()), eLogoException);
    EXPECT_EQ(Named("sub"), nullptr);
}

TEST_F(ObjectLifecycleTest, NumbersCountFromTheMarkAndKeepNamingTheSameObjectsWhenTheMarkGoes)
{
    auto numbered = [&](int32_t n) { return resolveObjectName(main, kObjectNumberCodeBase + n); };
    tControlObject* kind = createClass(*main, main, "kind", none.get());
    tControlObject* marked = createInstance(*main, kind, "marked", none.get());
    setNumberingMark();
    tControlObject* first = createInstance(*main, kind, "first", none.get());
    tControlObject* second = createInstance(*main, kind, "second", none.get());
    EXPECT_EQ(numbered(1), first);
    EXPECT_EQ(numbered(2), second);
    destroyObject(marked);
    EXPECT_EQ(numbered(1), first);
    EXPECT_EQ(numbered(2), second);
    for (int32_t bad : {0, 3})
        try {
            numbered(bad);
            FAIL() << "#" << bad << " named an object";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, erMisspaced);
        }
}

}  // namespace
