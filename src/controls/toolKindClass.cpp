#include "controls/toolKindClass.h"

#include "language/Language.h"
#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/valuePools.h"

namespace {

std::string firstWord(const std::string& words) { return words.substr(0, words.find(' ')); }

}  // namespace

std::string toolKindClassName(const char* kind) { return primaryWord("class", kind); }

void registerToolKindClass(const char* kind, tControlObject* made, tInstanceMaker instanceClass)
{
    tLogoRef<tControlObject> held(made);
    tMainLogoObject& main = mainLogoObject();
    made->isPrototype = true;
    made->instanceClass = instanceClass;
    made->SetUpTables();
    declareKeyMenuProperty(*made);
    made->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(firstWord(primaryWord("prefix", kind))), 0);
    linkObject(made);
    main.Register(made);
}
