#include "net/tnetPrototype.h"

#include "net/netPrimitives.h"
#include "net/tLogoNet.h"

void tnetPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    instanceClass = &tLogoNet::Make;
    registerNetPrimitives(*procTable);
    declareNetProperties(*this);
}
