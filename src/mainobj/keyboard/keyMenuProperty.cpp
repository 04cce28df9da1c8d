#include "mainobj/keyboard/keyMenuProperty.h"

#include "mainobj/keyboard/keyMenuParsing.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "values/tLogoBool.h"
#include "values/valuePools.h"

namespace {

constexpr int32_t kAcceptKeyMenu = 175;

const tBoundProperty kKeyMenuProperty{&keyMenuOf, &setKeyMenu};

tlogoobject* acceptKeyMenuOf(tmultiobject&) { return NewBoolean(keyboardState().acceptKeyMenu.load()); }
void setAcceptKeyMenu(tmultiobject&, tlogoobject* value) { keyboardState().acceptKeyMenu.store(value->AsBoolean()); }

const tBoundProperty kAcceptKeyMenuProperty{&acceptKeyMenuOf, &setAcceptKeyMenu};

}  // namespace

void declareAcceptKeyMenuProperty(tmultiobject& windowClass)
{
    declareProperty(windowClass, boundPropertyDeclaration(kAcceptKeyMenu, {}, 0, kAcceptKeyMenuProperty));
}

void declareKeyMenuProperty(tmultiobject& kindClass)
{
    declareProperty(kindClass, boundPropertyDeclaration(property::kKeyMenu, {}, 0, kKeyMenuProperty));
}

tlogoobject* keyMenuOf(tmultiobject& object)
{
    tKeyboardState& keyboard = keyboardState();
    std::lock_guard<std::mutex> hold(keyboard.keyLock);
    tLogoList* menu = keyboard.table.Menu(&object);
    return menu ? static_cast<tlogoobject*>(menu) : new tLogoList;
}

void setKeyMenu(tmultiobject& object, tlogoobject* value)
{
    std::vector<tKeyMenuTable::tEntry> entries = parseKeyMenu(value, &object);
    tKeyboardState& keyboard = keyboardState();
    std::lock_guard<std::mutex> hold(keyboard.keyLock);
    keyboard.table.Set(&object, static_cast<tLogoList*>(value), std::move(entries));
}

void forgetKeyMenu(tmultiobject& object)
{
    tKeyboardState& keyboard = keyboardState();
    std::lock_guard<std::mutex> hold(keyboard.keyLock);
    keyboard.table.Remove(&object);
}
