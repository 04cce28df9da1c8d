#include "net/netProtocol.h"

#include <limits>

namespace {

enum class tCount { kRead, kIncomplete, kMalformed };

// Reads "digits!" from `text` at `at`; on success `at` is past the "!". Text that ends inside
// the digits is incomplete; no digits, another character before the "!", or a number above
// `limit` or longer than any count we write (leading zeros without end) are malformed.
tCount readCount(std::string_view text, size_t& at, size_t limit, size_t& count)
{
    constexpr size_t kMostDigits = 20;
    size_t value = 0;
    size_t position = at;
    for (; position < text.size() && text[position] != '!'; ++position) {
        const char c = text[position];
        if (c < '0' || c > '9' || position - at >= kMostDigits) return tCount::kMalformed;
        const size_t digit = static_cast<size_t>(c - '0');
        if (value > (limit - digit) / 10) return tCount::kMalformed;
        value = value * 10 + digit;
    }
    if (position == text.size()) return tCount::kIncomplete;
    if (position == at) return tCount::kMalformed;
    count = value;
    at = position + 1;
    return tCount::kRead;
}

void appendCounted(std::string& out, std::string_view text)
{
    out += std::to_string(text.size());
    out += '!';
    out += text;
}

}  // namespace

std::string encodeParameters(const std::vector<std::string>& parameters)
{
    std::string out = std::to_string(parameters.size()) + "!";
    for (const std::string& parameter : parameters) appendCounted(out, parameter);
    return out;
}

std::string encodeMessage(const tNetMessage& message)
{
    std::string out(1, message.kind);
    out += encodeParameters(message.parameters);
    out += message.body;
    return out;
}

std::string frameMessage(const tNetMessage& message)
{
    std::string out(1, kFrameMark);
    appendCounted(out, encodeMessage(message));
    return out;
}

tNetMessage decodeMessage(std::string_view encoded)
{
    tNetMessage message;
    if (encoded.empty()) return message;
    message.kind = encoded[0];
    size_t at = 1;
    size_t count = 0;
    // Every parameter takes at least two bytes ("0!"), so a larger count cannot be true; it
    // would only make a hostile peer's message cost memory.
    if (readCount(encoded, at, std::numeric_limits<size_t>::max(), count) != tCount::kRead ||
        count > encoded.size() - at)
        return message;
    for (size_t i = 0; i < count; ++i) {
        size_t length = 0;
        if (readCount(encoded, at, std::numeric_limits<size_t>::max(), length) != tCount::kRead ||
            length > encoded.size() - at) {
            message.parameters.emplace_back(1, '\x01');
            at = encoded.size();
            continue;
        }
        message.parameters.emplace_back(encoded.substr(at, length));
        at += length;
    }
    message.body = encoded.substr(at);
    return message;
}

std::optional<tNetMessage> tFrameReader::Next()
{
    if (buffer_.empty()) return std::nullopt;
    if (buffer_[0] != kFrameMark) {
        buffer_.clear();
        return std::nullopt;
    }
    size_t at = 1;
    size_t length = 0;
    switch (readCount(buffer_, at, kMaxMessageLength, length)) {
    case tCount::kMalformed:
        buffer_.clear();
        return std::nullopt;
    case tCount::kIncomplete:
        // The length itself may be split over two reads.
        return std::nullopt;
    case tCount::kRead:
        break;
    }
    if (buffer_.size() - at < length) return std::nullopt;
    tNetMessage message = decodeMessage(std::string_view(buffer_).substr(at, length));
    buffer_.erase(0, at + length);
    return message;
}
