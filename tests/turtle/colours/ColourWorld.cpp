#include "ColourWorld.h"

#include "language/Language.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tMainLogoObject.h"
#include "turtle/colours/ColourPrimitives.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

tColourWorld::tColourWorld()
{
    static bool started = [] {
        startInterpreter();
        startColours();
        return true;
    }();
    (void)started;
}

tColourWorld::~tColourWorld()
{
    tLogoVarTab& globals = *mainLogoObject().globalVarTable;
    for (uint32_t code : globals_)
        if (globals.FindValue(code)) globals.Erase(code);
}

void tColourWorld::SetGlobal(const char* name, tlogoobject* value)
{
    uint32_t code = nameCode(name);
    tLogoVarTab& globals = *mainLogoObject().globalVarTable;
    if (value) {
        globals.Define(code, value, 0);
        globals_.push_back(code);
    } else if (globals.FindValue(code)) {
        globals.Erase(code);
    }
}

tLogoRef<tlogoobject> tColourWorld::Value(std::string_view text)
{
    tLogoRef<tLogoList> list(ListFromText(text, false));
    return list->First();
}

errorConst tColourWorld::RaisedKey(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const eLogoException& error) {
        return error.key;
    }
    return erUnexpected;
}
