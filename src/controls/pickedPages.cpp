#include "controls/pickedPages.h"

#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "turtle/tSplitwindow.h"
#include "turtle/tlogopage.h"
#include "turtle/windowKind.h"
#include "values/eLogoException.h"

namespace {

tSplitwindow& windowAround(tmultiobject& control)
{
    for (tmultiobject* at = control.place; at; at = at->place)
        if (auto* window = dynamic_cast<tSplitwindow*>(at)) return *window;
    throw eLogoException(erNotInsideWin);
}

}  // namespace

std::vector<std::string> windowPagesAround(tmultiobject& control)
{
    tSplitwindow& window = windowAround(control);
    std::vector<std::string> names;
    for (tmultiobject* object = firstObject(); object; object = object->next)
        if (object->place == &window && dynamic_cast<tlogopage*>(object)) names.push_back(object->name);
    return names;
}

std::string pageShownAround(tmultiobject& control)
{
    tlogopage* shown = windowAround(control).shownPage;
    return shown ? shown->name : std::string();
}

void showPageAround(tmultiobject& control, tlogoobject* value)
{
    tSplitwindow& window = windowAround(control);
    tmultiobject* named = dynamic_cast<tmultiobject*>(value);
    if (!named && value->IsWord()) named = resolveObjectPath(&window, value->WordText());
    auto* page = dynamic_cast<tlogopage*>(named);
    if (!page || page->place != &window) throw eLogoException(erPageNotExist, value);
    showPageInWindow(window, page);
}
