#include <gtest/gtest.h>

#include <memory>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/shownPage.h"
#include "objects/tcontainerobject.h"
#include "values/tLogoList.h"

namespace {

// A main object with a window holding the shown page, and on the page an instance "ann" of
// the class "animal", whose instances live on pages.
class ShownPageTest : public ::testing::Test {
protected:
    ShownPageTest()
    {
        main = Container("main", tmultiobject::kNoParents);
        AddRef(main);
        setMainObject(main);
        installObjectDestruction();
        context = std::make_unique<tProcessContext>(&globals, main, true);
        scope = std::make_unique<tContextScope>(*context);
        window = Container("window", tmultiobject::kOnlyMain);
        main->Register(window);
        page = Container("page", tmultiobject::kOnlyMain);
        window->Register(page);
        page->SetPlace(window);
        animal = createClass(*main, main, "animal", none.get());
        plain = createClass(*main, main, "plain", none.get());
        ann = createInstance(*page, animal, "ann", none.get());
        setShownPageSource({[this] { return shown; }, [this](tmultiobject& objectClass) { return &objectClass == animal; }});
    }
    ~ShownPageTest() override
    {
        setShownPageSource({});
        main->objects->EraseAll(0);
        scope.reset();
        context.reset();
        setMainObject(nullptr);
        Release(main);
    }

    static tcontainerobject* Container(const char* name, int parentCount)
    {
        auto* made = new tcontainerobject(nullptr, name, parentCount);
        made->SetUpTables();
        return made;
    }
    tmultiobject* From(tmultiobject* from, const char* name) { return resolveObjectName(from, nameCode(name)); }

    tLogoRef<tLogoList> none{new tLogoList};
    tLogoGlobalVarTab globals;
    std::unique_ptr<tProcessContext> context;
    std::unique_ptr<tContextScope> scope;
    tcontainerobject* main = nullptr;
    tcontainerobject* window = nullptr;
    tcontainerobject* page = nullptr;
    tcontainerobject* shown = nullptr;
    tControlObject* animal = nullptr;
    tControlObject* plain = nullptr;
    tControlObject* ann = nullptr;
};

TEST_F(ShownPageTest, TheMainObjectFindsTheShownPagesObjectsAfterItsOwn)
{
    EXPECT_EQ(From(main, "ann"), nullptr);
    shown = page;
    EXPECT_EQ(From(main, "ann"), ann);
    EXPECT_EQ(From(main, "page"), page);  // in the page's window
    EXPECT_EQ(resolveObjectPath(main, "page'ann"), ann);
    EXPECT_EQ(From(main, "nobody"), nullptr);
    // Only the main object looks there.
    EXPECT_EQ(From(plain, "ann"), nullptr);
    tControlObject* own = createInstance(*main, plain, "ann", none.get());
    EXPECT_EQ(From(main, "ann"), own);
}

TEST_F(ShownPageTest, ANewObjectThatLivesOnPagesGoesToTheShownPageInsteadOfTheMainObject)
{
    tControlObject* early = createInstance(*main, animal, "early", none.get());
    EXPECT_EQ(early->place, main);
    shown = page;
    tControlObject* bob = createInstance(*main, animal, "bob", none.get());
    EXPECT_EQ(bob->place, page);
    EXPECT_EQ(page->FindOwn(nameCode("bob")), bob);
    EXPECT_EQ(main->FindOwn(nameCode("bob")), nullptr);
    tControlObject* rock = createInstance(*main, plain, "rock", none.get());
    EXPECT_EQ(rock->place, main);
}

}  // namespace
