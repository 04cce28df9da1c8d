#include "turtle/pagePrintPrimitives.h"

#include <QImage>

#include <memory>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/printJobs.h"
#include "mainobj/system/printSettings.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"

namespace {

// (settings): the page as the window shows it, turtles and panes included. The input is read
// before the printer is asked for, so its faults show in the console too.
tlogoobject* printme(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    const tPrintSettings settings = call.count() == 1 ? readPrintSettings(call[0]) : tPrintSettings{};
    printPicture(std::make_shared<const QImage>(currentScreen().Composed()), settings);
    return nullptr;
}

constexpr tPrimitiveRow kPagePrintRows[] = {
    {"printme", 0, kVariableInputs, &printme},
};

}  // namespace

void registerPagePrintPrimitives(tLogoTab& table) { registerPrimitives(table, kPagePrintRows); }
