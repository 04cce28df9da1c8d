#include "mainobj/startInterpreter.h"

#include "interpreter/startEvaluator.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/eventNames.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/objectVariables.h"
#include "objects/protectedCalls.h"
#include "objects/tAskObject.h"
#include "processes/interpreterRelease.h"
#include "processes/processEnvironment.h"

void startInterpreter()
{
    installEventNames();
    startEvaluator();
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
