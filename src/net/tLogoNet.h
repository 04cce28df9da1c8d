#pragma once

#include <memory>
#include <optional>
#include <string>

#include "net/tNetLink.h"
#include "objects/tControlObject.h"
#include "values/tLogoRef.h"

// A net object: an instance of the net class. Its network side is the link; what arrived for
// the program (the last value, its sender, the bytes of an object) are Logo values kept here,
// under the interpreter lock.
class tLogoNet : public tControlObject {
public:
    using tControlObject::tControlObject;
    ~tLogoNet() override;

    const char* ClassName() const override { return "tLogoNet"; }
    // What "new" makes for the net class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);
    void SetUpInstance() override;

    // The net object the current process addresses; erInitNet when it is none.
    static tLogoNet& Addressed();
    // The net object of an object a property runs on; erInitNet when it is none.
    static tLogoNet& Of(tmultiobject& object);
    // The live net object whose link this is; none once it has been destroyed.
    static tLogoNet* WithLink(const tNetLink* link);

    tNetLink& Link() { return *link; }
    // Closes every connection and forgets what arrived.
    void Disconnect();
    // Connects or listens as the mode says, failing with the error of what went wrong.
    void Connect();
    void ForgetArrivals();

    tLogoRef<tlogoobject> received;
    tLogoRef<tlogoobject> sender;
    std::optional<std::string> receivedObject;

private:
    std::shared_ptr<tNetLink> link;
};

// The Logo error of a failed start, if any.
void failUnlessStarted(tNetLink::tStart started, tNetMode mode);
