#pragma once

#include <functional>

class tcontainerobject;
class tmultiobject;

// The page the environment shows, for what typed lines do in the main object: a name the main
// object does not know is looked up on that page and then in its window, and a new object made
// with the main object as its place goes to that page when its kind cannot live in the main
// object (turtles, panes). The source is asked every time, so it answers for the page shown
// now; without a source, or while it answers none, nothing changes.
struct tShownPageSource {
    std::function<tcontainerobject*()> page;
    // Whether instances of the class need a page or a pane to live on.
    std::function<bool(tmultiobject& objectClass)> livesOnPage;
};

void setShownPageSource(tShownPageSource source);
tcontainerobject* shownPage();
// The shown page when instances of the class must live on one, else none.
tcontainerobject* shownPageFor(tmultiobject& objectClass);
