#include "mainobj/kindClassEntry.h"

#include <string>

#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectList.h"
#include "objects/tControlObject.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/valuePools.h"

void enterKindClass(tControlObject& kindClass, std::string_view kindKey)
{
    kindClass.isPrototype = true;
    kindClass.SetUpTables();
    const std::string prefix = primaryWord("prefix", kindKey);
    kindClass.varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(prefix.substr(0, prefix.find(' '))),
                               0);
    linkObject(&kindClass);
    mainLogoObject().Register(&kindClass);
}

bool hasKindClass(std::string_view kindKey)
{
    return mainLogoObject().FindOwn(nameCode(primaryWord("class", kindKey))) != nullptr;
}
