#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The messages running copies exchange over TCP. All text is 8-bit and every number is
// decimal ASCII. A message is its kind character, its parameter list (the count, "!", then
// each parameter as its length, "!" and its bytes) and its body; on the wire it is framed as
// the byte 7, the message's length, "!" and the message.
struct tNetMessage {
    char kind = 0;
    std::vector<std::string> parameters;
    std::string body;

    bool operator==(const tNetMessage&) const = default;
};

constexpr char kFrameMark = 7;
// A peer that announces a longer message is talking nonsense or hostile: its bytes are dropped
// instead of being buffered without end.
constexpr size_t kMaxMessageLength = size_t{64} << 20;

std::string encodeParameters(const std::vector<std::string>& parameters);
std::string encodeMessage(const tNetMessage& message);
std::string frameMessage(const tNetMessage& message);

// Never fails: a malformed count gives no parameters and no body, a parameter that runs past
// the end reads as the one-byte text "\x01" (so does every one after it), what follows the
// parameters is the body. An empty text has kind 0.
tNetMessage decodeMessage(std::string_view encoded);

// The receive buffer of one connection: bytes go in as they arrive, whole messages come out.
class tFrameReader {
public:
    void Append(std::string_view bytes) { buffer_.append(bytes); }
    // The next complete message; none while the next frame has not fully arrived. Bytes that
    // do not start a frame, and a frame whose length is not a number, throw the whole buffer
    // away: there is no way to find the next frame in them.
    std::optional<tNetMessage> Next();
    size_t Buffered() const { return buffer_.size(); }
    void Clear() { buffer_.clear(); }

private:
    std::string buffer_;
};
