#include "net/startNet.h"

#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "net/tnetPrototype.h"
#include "objects/objectList.h"
#include "values/tLogoRef.h"
#include "values/tLogoVarTab.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

void startNet()
{
    tLogoRef<tnetPrototype> netClass(new tnetPrototype(nullptr, primaryWord("class", "net"), tmultiobject::kOnlyMain));
    netClass->isPrototype = true;
    netClass->SetUpTables();
    const std::string prefix = primaryWord("prefix", "net");
    netClass->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(prefix.substr(0, prefix.find(' '))),
                               0);
    linkObject(netClass.get());
    mainLogoObject().Register(netClass.get());
}
