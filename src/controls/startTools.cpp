#include "controls/startTools.h"

#include "controls/toolBars.h"
#include "controls/toolButtons.h"
#include "controls/toolWindows.h"

void startTools()
{
    startToolButtons();
    registerToolWindowKind();
    registerToolBarKind();
}
