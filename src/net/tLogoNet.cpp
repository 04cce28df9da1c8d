#include "net/tLogoNet.h"

#include "interpreter/tProcessContext.h"
#include "net/netDelivery.h"
#include "objects/objectList.h"
#include "processes/interpreterRelease.h"
#include "values/eLogoException.h"

tLogoNet::~tLogoNet()
{
    if (link) link->Disconnect();
}

tControlObject* tLogoNet::Make(tLogoStack& stack, const std::string& name) { return new tLogoNet(&stack, name, 1); }

void tLogoNet::SetUpInstance()
{
    // The link outlives this object while arrivals for it are being handed over; they find
    // the object again through WithLink, or nothing once it is gone.
    link = std::make_shared<tNetLink>(&handNetArrival);
}

tLogoNet& tLogoNet::Addressed()
{
    auto* net = dynamic_cast<tLogoNet*>(requireContext().currentObject);
    if (!net) throw eLogoException(erInitNet);
    return Of(*net);
}

tLogoNet& tLogoNet::Of(tmultiobject& object)
{
    auto* net = dynamic_cast<tLogoNet*>(&object);
    if (!net || !net->link) throw eLogoException(erInitNet);
    return *net;
}

tLogoNet* tLogoNet::WithLink(const tNetLink* wanted)
{
    for (tmultiobject* object = firstObject(); object; object = object->next)
        if (auto* net = dynamic_cast<tLogoNet*>(object); net && net->link.get() == wanted) return net;
    return nullptr;
}

void tLogoNet::ForgetArrivals()
{
    received = nullptr;
    sender = nullptr;
    receivedObject.reset();
}

void tLogoNet::Disconnect()
{
    link->Disconnect();
    ForgetArrivals();
}

void tLogoNet::Connect()
{
    // Connecting may wait for the name server; other processes run meanwhile, and a stop
    // request ends this one once the link has answered.
    ReleaseInterpreter(true);
    const tNetLink::tStart started = link->Connect();
    RetakeInterpreter(true);
    if (started != tNetLink::tStart::kStarted) ForgetArrivals();
    failUnlessStarted(started, link->Mode());
}

void failUnlessStarted(tNetLink::tStart started, tNetMode mode)
{
    switch (started) {
    case tNetLink::tStart::kStarted: return;
    case tNetLink::tStart::kNoHost: throw eLogoException(erServerMissing);
    case tNetLink::tStart::kCannotConnect: throw eLogoException(erServerConnect);
    case tNetLink::tStart::kServerTaken: throw eLogoException(erServerStart);
    case tNetLink::tStart::kCannotListen: throw eLogoException(erServerSetting);
    case tNetLink::tStart::kNoSockets: break;
    }
    throw eLogoException(mode == tNetMode::kServer ? erServerSetting : erServerConnect);
}
