#include "net/netPrimitives.h"

#include <thread>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "net/netImages.h"
#include "net/netObjects.h"
#include "net/tLogoNet.h"
#include "processes/interpreterRelease.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tlogoobject* wordList(const std::vector<std::string>& words)
{
    tListBuilder list;
    for (const std::string& word : words) list.Append(NewLiteralWord(word));
    return list.Take();
}

tlogoobject* orEmptyList(tlogoobject* value) { return value ? value : new tLogoList; }

// A word, or a list of words.
std::vector<std::string> recipientsOf(tlogoobject* value)
{
    if (value->IsWord()) return {value->WordText()};
    if (!value->IsList()) throw eLogoException(erWrongSender, value);
    std::vector<std::string> recipients;
    for (tlogoobject* item : elements(static_cast<tLogoList*>(value))) {
        if (!item->IsWord()) throw eLogoException(erBadStructure, item);
        recipients.push_back(item->WordText());
    }
    return recipients;
}

void send(char kind, tPrimitiveCall& call, const std::string& body)
{
    const std::vector<std::string> recipients = recipientsOf(call[0]);
    if (!tLogoNet::Addressed().Link().Send(kind, recipients, body)) throw eLogoException(erNoConnection);
}

// A client asks the server and waits for the answer, letting other processes run meanwhile;
// a stop request ends the wait. None when the connection is gone first.
std::optional<std::vector<std::string>> askServer(tNetLink& link, char kind, const std::string& body)
{
    link.Ask(kind, body);
    for (;;) {
        if (std::optional<std::vector<std::string>> reply = link.Reply(kind)) return reply;
        if (!link.LinkOpen()) return std::nullopt;
        ReleaseInterpreter(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        RetakeInterpreter(true);
    }
}

tlogoobject* status(tPrimitiveCall&) { return NewLiteralWord(tLogoNet::Addressed().Link().Status()); }
tlogoobject* message(tPrimitiveCall&) { return orEmptyList(tLogoNet::Addressed().received.get()); }
tlogoobject* sender(tPrimitiveCall&) { return orEmptyList(tLogoNet::Addressed().sender.get()); }

tlogoobject* users(tPrimitiveCall&)
{
    tNetLink& link = tLogoNet::Addressed().Link();
    switch (link.Mode()) {
    case tNetMode::kServer:
        if (link.Connected()) return wordList(link.Users());
        break;
    case tNetMode::kClient:
        if (std::optional<std::vector<std::string>> users = askServer(link, 'U', {})) return wordList(*users);
        break;
    case tNetMode::kNone:
        break;
    }
    return new tLogoList;
}

tlogoobject* info(tPrimitiveCall& call)
{
    const std::string asked = call[0]->IsEmpty() ? std::string() : call[0]->PrintText(0);
    tNetLink& link = tLogoNet::Addressed().Link();
    std::vector<std::string> information;
    if (link.Mode() == tNetMode::kServer) {
        information = link.Info(asked);
    } else if (link.Mode() == tNetMode::kClient) {
        // The server knows the client by the nickname it gave it.
        information = askServer(link, 'F', asked.empty() ? link.Nickname() : asked).value_or(information);
    }
    return information.size() > 1 ? wordList(information) : new tLogoList;
}

tlogoobject* connect(tPrimitiveCall&)
{
    tLogoNet::Addressed().Connect();
    return nullptr;
}

tlogoobject* disconnect(tPrimitiveCall&)
{
    tLogoNet::Addressed().Disconnect();
    return nullptr;
}

tlogoobject* connectedp(tPrimitiveCall&) { return NewBoolean(tLogoNet::Addressed().Link().Connected()); }

tlogoobject* sendValue(tPrimitiveCall& call)
{
    // A list travels as its text without the outer brackets, an image as an image file,
    // anything else as a word.
    tlogoobject* value = call[1];
    if (value->IsList())
        send('L', call, value->SourceText(0));
    else if (value->IsImage())
        send('I', call, imageMessageBody(static_cast<tLogoImage&>(*value)));
    else
        send('W', call, value->PrintText(0));
    return nullptr;
}

tlogoobject* sendRun(tPrimitiveCall& call)
{
    send('R', call, call.list(1)->SourceText(0));
    return nullptr;
}

tlogoobject* sendObject(tPrimitiveCall& call)
{
    send('O', call, objectMessageBody(call[1]));
    return nullptr;
}

tlogoobject* receiveObject(tPrimitiveCall& call)
{
    loadReceivedObject(tLogoNet::Addressed(), call.list(0));
    return nullptr;
}

constexpr tPrimitiveRow kNetRows[] = {
    {"status", 0, kFixedInputs, &status},
    {"message", 0, kFixedInputs, &message},
    {"sender", 0, kFixedInputs, &sender},
    {"users", 0, kFixedInputs, &users},
    {"connect", 0, kFixedInputs, &connect},
    {"disconnect", 0, kFixedInputs, &disconnect},
    {"info", 1, kFixedInputs, &info},
    {"connected?", 0, kFixedInputs, &connectedp},
    {"abort_net", 0, kFixedInputs, &disconnect},
    {"send", 2, kFixedInputs, &sendValue},
    {"sendRun", 2, kFixedInputs, &sendRun},
    {"sendObject", 2, kFixedInputs, &sendObject},
    {"receiveObject", 1, kFixedInputs, &receiveObject},
};

}  // namespace

void registerNetPrimitives(tLogoTab& table) { registerPrimitives(table, kNetRows); }
