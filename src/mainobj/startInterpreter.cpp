#include "mainobj/startInterpreter.h"

#include "interpreter/Evaluator.h"
#include "interpreter/ValueMethodTables.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/objectVariables.h"
#include "objects/protectedCalls.h"
#include "objects/tAskObject.h"
#include "processes/interpreterRelease.h"
#include "processes/processEnvironment.h"
#include "values/ListCellPool.h"
#include "values/installListOperations.h"
#include "values/valuePools.h"

void startInterpreter()
{
    // Values point at their method tables from birth, so the tables come before any value.
    buildValueMethodTables();
    createValuePools();
    createListCellPool();
    installListOperations();
    installEvaluator();
    installRunInterleaving();
    installObjectResolution();
    installObjectDestruction();
    installObjectVariableHooks();
    installReceiverFanOut();
    installProtectedCalls();
    auto* main = new tMainLogoObject;
    linkObject(main);
    setMainObject(main);
    main->SetUpTables();
    setProcessEnvironment({main->globalVarTable.get(), main});
}
