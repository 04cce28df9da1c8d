#include "controls/startTools.h"

#include "controls/toolButtons.h"
#include "controls/toolWindows.h"

void startTools()
{
    startToolButtons();
    registerToolWindowKind();
}
