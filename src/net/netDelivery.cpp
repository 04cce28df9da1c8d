#include "net/netDelivery.h"

#include "interpreter/ErrorMessages.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tLogoProcDesc.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "net/netImages.h"
#include "net/tLogoNet.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/objectProperties.h"
#include "processes/programClosing.h"
#include "processes/tLogoprocess.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

constexpr int32_t kRunEnabledProperty = 169;

// Text that is not a list stays a word.
tlogoobject* listOrWord(const std::string& text)
{
    try {
        return ListFromText(text, false);
    } catch (const eLogoException&) {
        return NewLiteralWord(text);
    }
}

std::string errorText(eLogoException& error) { return MessageWithBreak(error, " "); }

std::string runErrorCaption() { return uiString("ErrorCaptions", "ipNetworkRun"); }

class tArrivalProcess : public tLogoprocess {
public:
    tArrivalProcess(tProcessStart start, std::shared_ptr<tNetLink> link, tNetQueue queue, tNetMessage message,
                    bool runEnabled)
        : tLogoprocess(std::move(start)),
          link(std::move(link)),
          queue(queue),
          message(std::move(message)),
          runEnabled(runEnabled)
    {
    }

    // One piece of work: the process ends after it (a stop requested earlier would end the
    // handler at its first list run).
    void RunOnce() override
    {
        Deliver();
        RequestStop();
    }

private:
    void Deliver()
    {
        tLogoNet* net = tLogoNet::WithLink(link.get());
        if (!net) return;
        if (queue == tNetQueue::kStatus) {
            runEventInPlace(*net, eventCode(tEventKey::onStatusChanged), *net);
            return;
        }
        switch (message.kind) {
        case 'w':
            Receive(*net, NewLiteralWord(message.body));
            return;
        case 'l':
            Receive(*net, listOrWord(message.body));
            return;
        case 'i':
            // Damaged image bytes are reported as a message that makes no sense.
            if (tLogoRef<tLogoImage> image = imageFromMessageBody(message.body)) {
                Receive(*net, image.get());
                return;
            }
            break;
        case 'o':
            link->Report("receivedobject");
            net->receivedObject = message.body;
            net->sender = NewLiteralWord(message.parameters.empty() ? std::string() : message.parameters.front());
            runEventInPlace(*net, eventCode(tEventKey::onReceiveObject), *net);
            return;
        case 'r':
            if (!message.parameters.empty()) {
                if (runEnabled)
                    Run();
                else
                    Refuse(*net);
                return;
            }
            break;
        default:
            break;
        }
        link->Report("receivedconfusedmessage", {std::string(1, message.kind)});
    }

    void Receive(tLogoNet& net, tlogoobject* value)
    {
        net.received = value;
        net.sender = NewLiteralWord(message.parameters.empty() ? std::string() : message.parameters.front());
        link->Report("receiveddata");
        runEventInPlace(net, eventCode(tEventKey::onReceive), net);
    }

    void Answer(char kind, const std::string& text) { link->Send(kind, {message.parameters.front()}, text); }

    // The request is refused at once, and the program still sees the list it was sent.
    void Refuse(tLogoNet& net)
    {
        const tPropertyNames& names = propertyNames(kRunEnabledProperty);
        const std::string property = names.synonyms.empty() ? codeName(names.getterCode) : names.synonyms.front();
        Answer('w', runErrorCaption() + ": " + property + " \"" + boolWord(false));
        Receive(net, listOrWord(message.body));
    }

    // The list runs as the body of a procedure of its own, so that "output" gives the
    // requester a value; the answer is "OK", "OK: " and the value, or where and why it failed.
    void Run()
    {
        tLogoRef<tlogoobject> list;
        try {
            list = ListFromText(message.body, false);
        } catch (eLogoException& error) {
            Answer('w', runErrorCaption() + ": " + errorText(error));
            return;
        }
        link->Report("receiveddata");
        const uint32_t bodyName = nameCode(Name());
        std::string outcome;
        try {
            tLogoRef<tlogoobject> definition(
                tLogoList::Cons(new tLogoList, tLogoList::Cons(list.get(), nullptr)));
            std::unique_ptr<tLogoProcDesc> body = BuildProcedure(bodyName, definition.get());
            tProcessContext& context = requireContext();
            body->CallDirectCommand(context.stack, 0);
            tLogoRef<tlogoobject> value = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
            if (value) outcome = "OK: " + value->PrintText(1);
        } catch (const eTerminateException&) {
            throw;
        } catch (eLogoException& error) {
            const bool named = !error.procedureName.empty() && error.procedureName != Name();
            outcome = (named ? error.procedureName + ": " : std::string()) + errorText(error);
        }
        if (outcome.empty())
            Answer('w', "OK");
        else
            Answer(outcome.rfind("OK: ", 0) == 0 ? 'l' : 'w', outcome);
    }

    const std::shared_ptr<tNetLink> link;
    const tNetQueue queue;
    const tNetMessage message;
    const bool runEnabled;
};

}  // namespace

void handNetArrival(tNetLink& link, tNetQueue queue)
{
    tNetMessage message;
    bool runEnabled = false;
    tProcessStart start;
    start.name = "@receive";
    start.openFrame = true;
    start.kind = ipEvent;
    if (queue == tNetQueue::kStatus) {
        if (!link.TakeStatus()) return link.Handled(queue);
        start.trigger = eventCode(tEventKey::onStatusChanged);
    } else {
        std::optional<tNetMessage> taken = link.TakeMessage();
        if (!taken) return link.Handled(queue);
        message = std::move(*taken);
        runEnabled = message.kind == 'r' && link.RunEnabled();
        if (runEnabled)
            start.kind = ipNetworkRun;
        else
            start.trigger = eventCode(message.kind == 'o' ? tEventKey::onReceiveObject : tEventKey::onReceive);
    }
    if (programClosing()) return;
    std::shared_ptr<tNetLink> held = link.shared_from_this();
    start.completion.routine = [held, queue] { held->Handled(queue); };
    try {
        tLogoprocess::Start<tArrivalProcess>(std::move(start), held, queue, std::move(message), runEnabled);
    } catch (...) {
        // Without a process the item is lost, but the queue must not stand still.
        link.Handled(queue);
    }
}
