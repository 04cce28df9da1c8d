#include "interpreter/startEvaluator.h"

#include "interpreter/Evaluator.h"
#include "interpreter/ValueMethodTables.h"
#include "values/ListCellPool.h"
#include "values/installListOperations.h"
#include "values/valuePools.h"

void startEvaluator()
{
    buildValueMethodTables();
    createValuePools();
    createListCellPool();
    installListOperations();
    installEvaluator();
}
