#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "language/Language.h"
#include "net/netNicknames.h"
#include "net/netProtocol.h"

// Readable failures.
void PrintTo(const tNetMessage& message, std::ostream* out)
{
    *out << "'" << message.kind << "' [";
    for (const std::string& parameter : message.parameters) *out << " \"" << parameter << "\"";
    *out << " ] \"" << message.body << "\"";
}

namespace {

std::vector<tNetMessage> drain(tFrameReader& reader)
{
    std::vector<tNetMessage> messages;
    while (auto message = reader.Next()) messages.push_back(*message);
    return messages;
}

TEST(NetProtocol, FramesAreByteExact)
{
    struct tCase {
        tNetMessage message;
        std::string frame;
    };
    const tCase cases[] = {
        {{'a', {}, "ann"}, "\a6!a0!ann"},
        {{'U', {}, ""}, "\a3!U0!"},
        {{'W', {"ann", "bob"}, "hi"}, "\a15!W2!3!ann3!bobhi"},
        {{'l', {""}, "1 [2]"}, "\a10!l1!0!1 [2]"},
    };
    for (const tCase& c : cases) {
        EXPECT_EQ(frameMessage(c.message), c.frame);
        tFrameReader reader;
        reader.Append(c.frame);
        EXPECT_EQ(drain(reader), std::vector<tNetMessage>{c.message}) << c.frame;
        EXPECT_EQ(reader.Buffered(), 0u);
    }
}

TEST(NetProtocol, AnyBytesSurviveTheRoundTrip)
{
    const tNetMessage messages[] = {
        {'w', {"a!b", "7!"}, "\a12!w"},
        {'o', {std::string("\0\x01\xff", 3)}, std::string("\0\0!", 3)},
        {'r', {"sender", "", "x"}, ""},
        {'L', {}, std::string(100000, 'z')},
    };
    for (const tNetMessage& message : messages) {
        EXPECT_EQ(decodeMessage(encodeMessage(message)), message);
        tFrameReader reader;
        reader.Append(frameMessage(message));
        EXPECT_EQ(drain(reader), std::vector<tNetMessage>{message});
    }
}

// Frames come in pieces of any size, and several may come in one read.
TEST(NetProtocol, FramesAreDecodedOnlyWhenComplete)
{
    const tNetMessage first{'W', {"ann"}, "hello"};
    const tNetMessage second{'L', {"bob", "ann"}, "1 2 [3]"};
    const std::string stream = frameMessage(first) + frameMessage(second);
    for (size_t cut = 0; cut <= stream.size(); ++cut) {
        tFrameReader reader;
        reader.Append(stream.substr(0, cut));
        std::vector<tNetMessage> got = drain(reader);
        reader.Append(stream.substr(cut));
        for (tNetMessage& message : drain(reader)) got.push_back(message);
        EXPECT_EQ(got, (std::vector<tNetMessage>{first, second})) << "cut at " << cut;
    }
}

TEST(NetProtocol, BytesThatCannotBeFramedAreDropped)
{
    const std::string good = frameMessage({'W', {"ann"}, "hi"});
    const std::string dropped[] = {
        "garbage" + good,                 // not starting with the mark
        "\a!W0!" + good,                   // no length
        "\a1x!W" + good,                   // not a number
        "\a99999999999999999999999!" + good,  // beyond any length
        "\a" + std::to_string(kMaxMessageLength + 1) + "!" + good,
        "\a" + std::string(30, '0') + good,  // zeros without end
    };
    for (const std::string& bytes : dropped) {
        tFrameReader reader;
        reader.Append(bytes);
        EXPECT_TRUE(drain(reader).empty()) << bytes;
        EXPECT_EQ(reader.Buffered(), 0u) << bytes;
        // The connection goes on with the next frame.
        reader.Append(good);
        EXPECT_EQ(drain(reader).size(), 1u);
    }
}

TEST(NetProtocol, HostileMessageBodiesDecodeWithinTheirBytes)
{
    struct tCase {
        std::string encoded;
        tNetMessage decoded;
    };
    const tCase cases[] = {
        {"", {0, {}, ""}},
        {"W", {'W', {}, ""}},
        {"Wx!body", {'W', {}, ""}},
        {"W3", {'W', {}, ""}},
        {"W99!1!a", {'W', {}, ""}},                      // more parameters than bytes
        {"W18446744073709551616!", {'W', {}, ""}},
        {"W2!5!ab", {'W', {"\x01", "\x01"}, ""}},         // lengths past the end
        {"W2!1!a9!", {'W', {"a", "\x01"}, ""}},
        {"W1!1!abody", {'W', {"a"}, "body"}},
        {"W1!99999999999999999999!ab", {'W', {"\x01"}, ""}},
    };
    for (const tCase& c : cases) EXPECT_EQ(decodeMessage(c.encoded), c.decoded) << c.encoded;
}

TEST(NetNicknames, TakenNamesCountUpTheirTrailingNumber)
{
    switchLanguage("");
    struct tCase {
        std::string requested;
        std::vector<std::string> taken;
        std::string unique;
    };
    const tCase cases[] = {
        {"ann", {}, "ann"},
        {"ann", {"bob"}, "ann"},
        {"ann", {"ann"}, "ann1"},
        {"ANN", {"ann", "Ann1"}, "ANN2"},
        {"ann1", {"ann", "ann1"}, "ann2"},
        {"bob7", {"bob7", "bob9"}, "bob8"},
        {"x99", {"x99"}, "x100"},
        {"a007", {"a007"}, "a8"},
        {"12", {"12"}, "13"},
        {"n99999999999999999999", {"n99999999999999999999"}, "n100000000000000000000"},
    };
    for (const tCase& c : cases) {
        auto taken = [&](std::string_view name) {
            for (const std::string& t : c.taken)
                if (sameNickname(t, name)) return true;
            return false;
        };
        EXPECT_EQ(uniqueNickname(c.requested, taken), c.unique) << c.requested;
    }
}

}  // namespace
