#include "platform/web/tLogoWeb.h"

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "platform/web/webFront.h"
#include "platform/web/webPageFetch.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"

namespace {

// One load of a web window's page, in a process of its own that runs in the object, so that
// erasing the object or "stopall" ends it (and its transfer) like any of its processes.
class tWebLoading : public tLogoprocess {
public:
    tWebLoading(tProcessStart start, uint64_t number) : tLogoprocess(std::move(start)), number(number) {}

    // One piece of work: the process ends after it.
    void RunOnce() override
    {
        if (auto* web = dynamic_cast<tLogoWeb*>(StartObject())) Load(*web);
        RequestStop();
    }

private:
    bool Superseded(const tLogoWeb& web) const { return web.loads != number; }

    // "onBegin" is waited for, so that it may still change what is loaded.
    void Load(tLogoWeb& web)
    {
        runEventInPlace(web, eventCode(tEventKey::onBegin), web);
        if (Superseded(web)) return;
        // The fetch gives up the interpreter lock while it waits, and meanwhile a process may set
        // a new address: it works on its own copy.
        const std::string address = web.address;
        tWebPage page = fetchWebPage(address);
        if (Superseded(web)) return;
        web.page = std::move(page);
        web.Show();
        fireEvent(web, eventCode(tEventKey::onComplete));
    }

    const uint64_t number;
};

}  // namespace

tLogoWeb::tLogoWeb(tLogoStack* stack, std::string name, int parentCount)
    : tControlObject(stack, std::move(name), parentCount)
{
    needsPlace = false;
}

tControlObject* tLogoWeb::Make(tLogoStack& stack, const std::string& name) { return new tLogoWeb(&stack, name, 1); }

void tLogoWeb::FinishCreation()
{
    Show();
    if (!address.empty()) Load();
}

tLogoWeb& tLogoWeb::Of(tmultiobject& object)
{
    auto* web = dynamic_cast<tLogoWeb*>(&object);
    if (!web) throw eLogoException(erNotInsideWin);
    return *web;
}

void tLogoWeb::Load()
{
    const uint64_t number = ++loads;
    page = {};
    // A load of the object's own handler ends by itself once it sees it is superseded.
    if (std::shared_ptr<tLogoprocess> running = loader.lock(); running && running.get() != tLogoprocess::Current())
        running->Stop();
    Show();
    if (address.empty()) return;
    tProcessStart start;
    start.name = "@webload";
    start.kind = ipEvent;
    start.trigger = eventCode(tEventKey::onBegin);
    start.startObject = tLogoRef<tlogoobject>(this);
    start.openFrame = true;
    loader = tLogoprocess::Start<tWebLoading>(std::move(start), number);
}

void tLogoWeb::Show()
{
    if (!creationDone) return;
    RunOnWindowThread([this] {
        if (tWebFront* front = webFront()) front->Update(*this);
    });
}
