#include "platform/web/webKind.h"

#include <mutex>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/textFiles.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/destructionHooks.h"
#include "objects/objectList.h"
#include "objects/propertyDeclaration.h"
#include "platform/web/tLogoWeb.h"
#include "platform/web/webFront.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/valuePools.h"

namespace {

namespace number {
constexpr int32_t kAddress = 138;
constexpr int32_t kMaximized = 139;
constexpr int32_t kStyle = 140;
constexpr int32_t kCaption = 163;
constexpr int32_t kTitleBar = 164;
}  // namespace number

tLogoWeb& web(tmultiobject& object) { return tLogoWeb::Of(object); }

// Called on the window thread by the common properties.
tControlBounds webBounds(tmultiobject& object) { return web(object).bounds; }
void setWebBounds(tmultiobject& object, const tControlBounds& bounds)
{
    web(object).bounds = bounds;
    web(object).Show();
}
void webStateChanged(tmultiobject& object) { web(object).Show(); }

const tControlKind kWebKind{&webBounds, &setWebBounds, &webStateChanged};

// A list stands for its words, as "print" shows them without the brackets.
std::string textOf(tlogoobject* value) { return value->IsList() ? value->PrintText(0) : value->WordText(); }

tlogoobject* getAddress(tmultiobject& object) { return NewLiteralWord(web(object).address); }
// Every new address loads, the same one again too, as a browser's "go" does.
void setAddress(tmultiobject& object, tlogoobject* value)
{
    tLogoWeb& browser = web(object);
    browser.address = textOf(value);
    if (browser.creationDone) browser.Load();
}

tlogoobject* getCaption(tmultiobject& object) { return NewLiteralWord(web(object).caption); }
void setCaption(tmultiobject& object, tlogoobject* value)
{
    web(object).caption = textOf(value);
    web(object).Show();
}

tlogoobject* getMaximized(tmultiobject& object) { return NewBoolean(web(object).maximized); }
void setMaximized(tmultiobject& object, tlogoobject* value)
{
    web(object).maximized = value->AsBoolean();
    web(object).Show();
}

tlogoobject* getStyle(tmultiobject& object) { return NewInteger(web(object).style); }
void setStyle(tmultiobject& object, tlogoobject* value)
{
    web(object).style = value->AsIntegerIn(0, 1);
    web(object).Show();
}

tlogoobject* getTitleBar(tmultiobject& object) { return NewBoolean(web(object).titleBar); }
void setTitleBar(tmultiobject& object, tlogoobject* value)
{
    web(object).titleBar = value->AsBoolean();
    web(object).Show();
}

const tBoundProperty kAddress{&getAddress, &setAddress};
const tBoundProperty kCaption{&getCaption, &setCaption};
const tBoundProperty kMaximized{&getMaximized, &setMaximized};
const tBoundProperty kStyle{&getStyle, &setStyle};
const tBoundProperty kTitleBar{&getTitleBar, &setTitleBar};

tLogoWeb& addressed()
{
    auto* current = dynamic_cast<tLogoWeb*>(requireContext().currentObject);
    if (!current) throw eLogoException(erNotInsideWin);
    return *current;
}

tlogoobject* reload(tPrimitiveCall&)
{
    addressed().Load();
    return nullptr;
}

tlogoobject* pageText(tPrimitiveCall&) { return textLines(addressed().page.text); }

tlogoobject* status(tPrimitiveCall&) { return NewInteger(addressed().page.code); }

constexpr tPrimitiveRow kWebRows[] = {
    {"reload", 0, kFixedInputs, &reload},
    {"pageText", 0, kFixedInputs, &pageText},
    {"status", 0, kFixedInputs, &status},
};

// A web window going away closes.
void forgetWebWindow(tmultiobject& object)
{
    auto* closing = dynamic_cast<tLogoWeb*>(&object);
    if (!closing) return;
    RunOnWindowThread([closing] {
        if (tWebFront* front = webFront()) front->Forget(*closing);
    });
}

}  // namespace

void tWebPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    instanceClass = &tLogoWeb::Make;
    declareControlProperties(*this, kWebKind);
    declareProperty(*this, boundPropertyDeclaration(number::kCaption, {}, 0, kCaption));
    declareProperty(*this, boundPropertyDeclaration(number::kMaximized, {}, 0, kMaximized));
    declareProperty(*this, boundPropertyDeclaration(number::kStyle, {}, 0, kStyle));
    declareProperty(*this, boundPropertyDeclaration(number::kTitleBar, {}, 0, kTitleBar));
    declareProperty(*this, boundPropertyDeclaration(number::kAddress, {}, 0, kAddress));
    registerPrimitives(*procTable, kWebRows);
}

void startWebKind()
{
    tMainLogoObject& main = mainLogoObject();
    const std::string name = primaryWord("class", "web");
    if (main.FindOwn(nameCode(name))) return;
    static std::once_flag hooked;
    std::call_once(hooked, [] { addDestructionHook(&forgetWebWindow); });
    tLogoRef<tWebPrototype> webClass(new tWebPrototype(nullptr, name, tmultiobject::kOnlyMain));
    webClass->isPrototype = true;
    webClass->SetUpTables();
    const std::string prefix = primaryWord("prefix", "web");
    webClass->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(prefix.substr(0, prefix.find(' '))),
                               0);
    linkObject(webClass.get());
    main.Register(webClass.get());
}
