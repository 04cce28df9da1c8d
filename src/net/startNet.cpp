#include "net/startNet.h"

#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "net/tnetPrototype.h"
#include "net/tLogoNet.h"
#include "objects/destructionHooks.h"
#include "objects/objectList.h"
#include "values/tLogoRef.h"
#include "values/tLogoVarTab.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// An erased net object lets go of its connections and of the server role at once, not only
// when the last reference to it goes.
void disconnectDestroyed(tmultiobject& object)
{
    if (auto* net = dynamic_cast<tLogoNet*>(&object)) net->Disconnect();
}

}  // namespace

void startNet()
{
    addDestructionHook(&disconnectDestroyed);
    tLogoRef<tnetPrototype> netClass(new tnetPrototype(nullptr, primaryWord("class", "net"), tmultiobject::kOnlyMain));
    netClass->isPrototype = true;
    netClass->SetUpTables();
    const std::string prefix = primaryWord("prefix", "net");
    netClass->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(prefix.substr(0, prefix.find(' '))),
                               0);
    linkObject(netClass.get());
    mainLogoObject().Register(netClass.get());
}
