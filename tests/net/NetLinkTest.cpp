#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "language/Language.h"
#include "net/tNetLink.h"
#include "platform/net/tPosixNetSockets.h"
#include "processes/tQueuedWindowThread.h"

namespace {

using namespace std::chrono_literals;

// A participant whose program handles every arrival at once, noting it down.
struct tParticipant {
    std::shared_ptr<tNetLink> link;
    std::vector<std::string> statuses;
    std::vector<tNetMessage> messages;

    tParticipant()
    {
        link = std::make_shared<tNetLink>([this](tNetLink&, tNetQueue queue) {
            if (queue == tNetQueue::kStatus) {
                while (auto status = link->TakeStatus()) statuses.push_back(*status);
            } else {
                while (auto message = link->TakeMessage()) messages.push_back(*message);
            }
            link->Handled(queue);
        });
    }
};

// The test's thread is the window thread: socket reports run when it serves them.
class NetLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        switchLanguage("");
        installWindowThread(&window);
        installNetSockets(&sockets);
    }
    void TearDown() override
    {
        installNetSockets(nullptr);
        installWindowThread(nullptr);
    }

    // Serves the window thread until the condition holds; false after five seconds.
    bool ServeUntil(const std::function<bool()>& done)
    {
        const auto limit = std::chrono::steady_clock::now() + 5s;
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) return false;
            if (window.RunPending() == 0) std::this_thread::sleep_for(1ms);
        }
        return true;
    }

    int StartServer(tParticipant& server, const std::string& nickname)
    {
        server.link->SetMode(tNetMode::kServer);
        server.link->SetPort(0);
        server.link->SetNickname(nickname);
        EXPECT_EQ(server.link->Connect(), tNetLink::tStart::kStarted);
        return server.link->Port();
    }

    void Join(tParticipant& client, int port, const std::string& nickname)
    {
        client.link->SetMode(tNetMode::kClient);
        client.link->SetHost("127.0.0.1");
        client.link->SetPort(port);
        client.link->SetNickname(nickname);
        ASSERT_EQ(client.link->Connect(), tNetLink::tStart::kStarted);
        ASSERT_TRUE(ServeUntil([&] { return client.link->Connected(); }));
    }

    tQueuedWindowThread window;
    tPosixNetSockets sockets;
};

TEST_F(NetLink, ClientsAskingForTakenNicknamesGetNumberedOnes)
{
    tParticipant server, first, second, third;
    const int port = StartServer(server, "hub");
    ASSERT_NE(port, 0);
    Join(first, port, "ann");
    Join(second, port, "ANN");
    Join(third, port, "ann1");
    EXPECT_EQ(first.link->Nickname(), "ann");
    EXPECT_EQ(second.link->Nickname(), "ANN1");
    EXPECT_EQ(third.link->Nickname(), "ann2");
    EXPECT_EQ(server.link->Users(), (std::vector<std::string>{"hub", "ann", "ANN1", "ann2"}));

    // A client's users list comes from the server.
    third.link->Ask('U', "");
    ASSERT_TRUE(ServeUntil([&] { return third.link->Reply('U').has_value(); }));
    EXPECT_EQ(*third.link->Reply('U'), server.link->Users());

    // Another letter case of the nickname in force asks for nothing; a new one is made unique.
    first.link->SetNickname("Ann");
    EXPECT_EQ(first.link->Nickname(), "ann");
    second.link->SetNickname("hub");
    ASSERT_TRUE(ServeUntil([&] { return second.link->Nickname() == "hub1"; }));
    server.link->SetNickname("ann2");
    EXPECT_EQ(server.link->Nickname(), "ann3");

    // The server's statuses: each client tried, then joined.
    ASSERT_TRUE(ServeUntil([&] { return server.statuses.size() == 6; }));
    EXPECT_EQ(server.statuses[0], textMessage("trialconnection", {"localhost", "127.0.0.1"}));
    EXPECT_EQ(server.statuses[1], textMessage("clientconnected2", {"localhost", "127.0.0.1"}));
    EXPECT_EQ(first.statuses, std::vector<std::string>{textMessage("clientconnected")});
}

TEST_F(NetLink, MessagesReachTheirRecipientsAndNeverTheirSender)
{
    tParticipant server, ann, bob;
    const int port = StartServer(server, "hub");
    Join(ann, port, "ann");
    Join(bob, port, "bob");

    // No recipients: everybody else, the server's program included.
    ASSERT_TRUE(ann.link->Send('w', {}, "hello"));
    ASSERT_TRUE(ServeUntil([&] { return bob.messages.size() == 1 && server.messages.size() == 1; }));
    EXPECT_EQ(bob.messages[0], (tNetMessage{'w', {"ann"}, "hello"}));
    EXPECT_EQ(server.messages[0], bob.messages[0]);

    // Named recipients only, in any letter case; the server sends as itself.
    ASSERT_TRUE(server.link->Send('L', {"ANN"}, "1 [2]"));
    ASSERT_TRUE(bob.link->Send('r', {"hub", "nobody"}, "print 1"));
    ASSERT_TRUE(ServeUntil([&] { return ann.messages.size() == 1 && server.messages.size() == 2; }));
    EXPECT_EQ(ann.messages[0], (tNetMessage{'l', {"hub"}, "1 [2]"}));
    EXPECT_EQ(server.messages[1], (tNetMessage{'r', {"bob"}, "print 1"}));
}

// A connection that writes raw bytes, as a faulty or hostile peer would.
struct tRawPeer : tSocketSink {
    bool open = false;
    std::string received;
    void Accepted(tSocketId, tSocketId, const std::string&, const std::string&) override {}
    void Connected(tSocketId) override { open = true; }
    void Received(tSocketId, const std::string& bytes) override { received += bytes; }
    void Closed(tSocketId) override { open = false; }
    void Failed(tSocketId, tSocketFailure) override {}
};

TEST_F(NetLink, TheServerTrustsNoClientWithItsRouting)
{
    tParticipant server, bob;
    const int port = StartServer(server, "hub");
    Join(bob, port, "bob");
    auto raw = std::make_shared<tRawPeer>();
    const tSocketId connection = sockets.Connect("127.0.0.1", port, raw);
    ASSERT_NE(connection, 0u);
    ASSERT_TRUE(ServeUntil([&] { return raw->open; }));

    // Before it says hello a connection takes no part; lower-case kinds are the server's own.
    sockets.Send(connection, frameMessage({'W', {"eve"}, "early"}));
    sockets.Send(connection, frameMessage({'a', {}, "eve"}));
    sockets.Send(connection, frameMessage({'w', {"hub", "bob"}, "direct"}));
    // It claims to be bob.
    sockets.Send(connection, frameMessage({'W', {"bob", "bob"}, "forged"}));
    ASSERT_TRUE(ServeUntil([&] { return bob.messages.size() == 1; }));
    EXPECT_EQ(bob.messages[0], (tNetMessage{'w', {"eve"}, "forged"}));
    EXPECT_TRUE(server.messages.empty());

    // Garbage throws away what is buffered, and the connection goes on with the next frame.
    sockets.Send(connection, "\a12x!" + frameMessage({'W', {"eve"}, "lost"}));
    // A frame in the same read as the garbage goes with it, so the next one is sent until one
    // arrives on its own.
    ASSERT_TRUE(ServeUntil([&] {
        sockets.Send(connection, frameMessage({'W', {"eve", "hub"}, "after"}));
        std::this_thread::sleep_for(20ms);
        window.RunPending();
        return !server.messages.empty();
    }));
    EXPECT_EQ(server.messages[0].body, "after");
    EXPECT_EQ(server.link->Users(), (std::vector<std::string>{"hub", "bob", "eve"}));
    sockets.Close(connection);
    ASSERT_TRUE(ServeUntil([&] { return server.link->Users().size() == 2; }));
}

TEST_F(NetLink, InformationAboutParticipants)
{
    tParticipant server, ann;
    const int port = StartServer(server, "hub");
    Join(ann, port, "ann");
    EXPECT_EQ(server.link->Info("ANN"), (std::vector<std::string>{"ann", "localhost", "127.0.0.1"}));
    EXPECT_EQ(server.link->Info("nobody"), std::vector<std::string>{});
    EXPECT_EQ(server.link->Info("").front(), "hub");
    ann.link->Ask('F', "nobody");
    ASSERT_TRUE(ServeUntil([&] { return ann.link->Reply('F').has_value(); }));
    EXPECT_TRUE(ann.link->Reply('F')->empty());
    ann.link->Ask('F', "hub");
    ASSERT_TRUE(ServeUntil([&] { return ann.link->Reply('F').has_value(); }));
    EXPECT_EQ(ann.link->Reply('F')->front(), "hub");
}

TEST_F(NetLink, StartingAndLosingConnections)
{
    tParticipant server, other, ann;
    EXPECT_FALSE(server.link->Send('w', {}, "x"));
    const int port = StartServer(server, "hub");
    other.link->SetMode(tNetMode::kServer);
    EXPECT_EQ(other.link->Connect(), tNetLink::tStart::kServerTaken);

    ann.link->SetMode(tNetMode::kClient);
    EXPECT_EQ(ann.link->Connect(), tNetLink::tStart::kNoHost);
    ann.link->SetHost("no.such.host.invalid");
    EXPECT_EQ(ann.link->Connect(), tNetLink::tStart::kCannotConnect);
    // Nobody listens on a port just given back: the attempt fails later, and says so once.
    int unused = 0;
    sockets.Close(sockets.Listen(0, unused, {}));
    ann.link->SetHost("127.0.0.1");
    ann.link->SetPort(unused);
    ASSERT_EQ(ann.link->Connect(), tNetLink::tStart::kStarted);
    ASSERT_TRUE(ServeUntil([&] { return !ann.statuses.empty(); }));
    EXPECT_EQ(ann.statuses, std::vector<std::string>{textMessage("errorconnectingeeconnect")});
    EXPECT_FALSE(ann.link->LinkOpen());
    ann.statuses.clear();
    Join(ann, port, "ann");

    // The server goes: the client hears of it and is no longer connected.
    server.link->Disconnect();
    ASSERT_TRUE(ServeUntil([&] { return !ann.link->LinkOpen(); }));
    EXPECT_FALSE(ann.link->Connected());
    EXPECT_EQ(ann.statuses.back(), textMessage("clientdisconnected"));
    EXPECT_FALSE(ann.link->Send('w', {}, "x"));
    // The server role is free again.
    EXPECT_EQ(other.link->Connect(), tNetLink::tStart::kStarted);
}

// Names are looked up before the link takes its lock (a slow name server must not hold up the
// arrivals of other links); a client given a name connects to its address.
TEST_F(NetLink, HostNamesAreLookedUpBeforeConnecting)
{
    EXPECT_EQ(sockets.Resolve("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(sockets.Resolve("localhost"), "127.0.0.1");
    EXPECT_EQ(sockets.Resolve("no.such.host.invalid"), "");
    tParticipant server, ann;
    const int port = StartServer(server, "hub");
    ann.link->SetMode(tNetMode::kClient);
    ann.link->SetHost("localhost");
    ann.link->SetPort(port);
    ann.link->SetNickname("ann");
    ASSERT_EQ(ann.link->Connect(), tNetLink::tStart::kStarted);
    EXPECT_TRUE(ServeUntil([&] { return ann.link->Connected(); }));
}

TEST_F(NetLink, ANewPortWhileActiveListensOrConnectsAgain)
{
    tParticipant server, ann;
    const int first = StartServer(server, "hub");
    Join(ann, first, "ann");
    EXPECT_EQ(server.link->SetPort(0), tNetLink::tStart::kStarted);
    const int second = server.link->Port();
    EXPECT_NE(second, first);
    EXPECT_TRUE(server.link->Connected());
    ASSERT_TRUE(ServeUntil([&] { return !ann.link->LinkOpen(); }));
    ann.link->SetPort(second);
    ASSERT_EQ(ann.link->Connect(), tNetLink::tStart::kStarted);
    ASSERT_TRUE(ServeUntil([&] { return ann.link->Connected(); }));
    // A client given a new port while connected connects again: here to a port nobody serves.
    int unused = 0;
    sockets.Close(sockets.Listen(0, unused, {}));
    EXPECT_EQ(ann.link->SetPort(unused), tNetLink::tStart::kStarted);
    EXPECT_FALSE(ann.link->LinkOpen());
    ASSERT_TRUE(ServeUntil([&] { return ann.statuses.back() == textMessage("errorconnectingeeconnect"); }));
    ASSERT_TRUE(ServeUntil([&] { return server.link->Users().size() == 1; }));
}

}  // namespace
