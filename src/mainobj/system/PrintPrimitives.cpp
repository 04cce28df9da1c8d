#include "mainobj/system/systemPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/system/printJobs.h"
#include "mainobj/system/printSettings.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The main object's printing: the print job that pages printed with "printme" share, and the
// printer's set-up.

namespace {

// (settings): as "printme" takes them, for the whole job.
tlogoobject* startPrintJob(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    openPrintJob(call.count() == 1 ? readPrintSettings(call[0]) : tPrintSettings{});
    return nullptr;
}

tlogoobject* endPrintJob(tPrimitiveCall&)
{
    closePrintJob();
    return nullptr;
}

// The printer's name, or the empty list when the learner cancels or there is no printer.
tlogoobject* printersetup(tPrimitiveCall&)
{
    std::shared_ptr<tPrintFront> front = printFront();
    if (!front) return tListBuilder().Take();
    const tDialogAnswer answer =
        awaitWindowAnswer([front](tPrintFront::tAnswered answered) { return front->ShowPrinterSetup(std::move(answered)); });
    if (answer.cancelled) return tListBuilder().Take();
    return NewLiteralWord(answer.text);
}

constexpr tPrimitiveRow kPrintRows[] = {
    {"printersetup", 0, kFixedInputs, &printersetup},
    {"startPrintJob", 0, kVariableInputs, &startPrintJob},
    {"endPrintJob", 0, kFixedInputs, &endPrintJob},
};

}  // namespace

void registerPrintPrimitives(tLogoTab& table) { registerPrimitives(table, kPrintRows); }
