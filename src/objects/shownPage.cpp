#include "objects/shownPage.h"

#include <utility>

namespace {

tShownPageSource& source()
{
    static tShownPageSource* installed = new tShownPageSource;
    return *installed;
}

}  // namespace

void setShownPageSource(tShownPageSource given) { source() = std::move(given); }

tcontainerobject* shownPage() { return source().page ? source().page() : nullptr; }

tcontainerobject* shownPageFor(tmultiobject& objectClass)
{
    if (!source().livesOnPage || !source().livesOnPage(objectClass)) return nullptr;
    return shownPage();
}
