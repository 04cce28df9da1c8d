#include "objects/tToolPressedProcess.h"

#include "objects/activeToolButton.h"

void tToolPressedProcess::GuardedRun()
{
    setActiveToolButton(nullptr);
    tLogoprocess::GuardedRun();
}

void releaseActiveToolButton()
{
    tProcessStart start;
    start.name = "setnil";
    start.kind = ipClearClick;
    tLogoprocess::Start<tToolPressedProcess>(std::move(start));
}
