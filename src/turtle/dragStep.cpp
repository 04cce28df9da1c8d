#include "turtle/dragStep.h"

#include "language/Language.h"
#include "objects/tmultiobject.h"
#include "processes/programClosing.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

std::shared_ptr<tLogoprocess> startDragStep(tmultiobject& object, tCompletion completion)
{
    if (programClosing()) return nullptr;
    // Written in the current language's words, as a learner would type it.
    const std::string line = primaryName(".setpos") + " " + primaryName("mousepos") + " - " +
                             primaryName("clickedpos") + " " + primaryName("runevent") + " \"" +
                             primaryName("onDrag");
    tProcessStart start;
    start.name = "@drag";
    start.kind = ipAutoDrag;
    start.code = tLogoRef<tlogoobject>(NewWord(line));
    start.startObject = &object;
    start.openFrame = true;
    start.completion = std::move(completion);
    return tLogoprocess::Start<tLogoprocess>(std::move(start));
}
