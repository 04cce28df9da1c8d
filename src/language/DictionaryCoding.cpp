#include "language/DictionaryCoding.h"

#include "language/tMemoryStream.h"
#include "language/tObjStream.h"
#include "language/tcodedstream.h"

namespace {

std::string decodeAll(tStream& stream)
{
    tcodedstream coded(stream, tcodedstream::reading);
    std::string text(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    const int64_t n = coded.Read(text.data(), static_cast<int64_t>(text.size()));
    text.resize(n < 0 ? 0 : static_cast<size_t>(n));
    return text;
}

}

std::vector<uint8_t> encodeDictionaryText(std::string_view text)
{
    tMemoryStream out;
    tcodedstream coded(out, tcodedstream::writing);
    coded.WriteExact(text.data(), static_cast<int64_t>(text.size()));
    return out.Bytes();
}

std::string decodeDictionaryText(std::span<const uint8_t> codedBytes)
{
    if (codedBytes.empty())
        return {};
    tMemoryViewStream in(codedBytes);
    return decodeAll(in);
}

std::vector<uint8_t> encodeInterfaceBlock(std::string_view name, std::string_view text)
{
    std::string plain(name);
    plain.push_back('\0');
    plain.append(text);
    const std::vector<uint8_t> coded = encodeDictionaryText(plain);
    tMemoryStream block;
    block.WriteInt32(static_cast<int32_t>(coded.size()));
    block.WriteExact(coded.data(), static_cast<int64_t>(coded.size()));
    return block.Bytes();
}

tInterfaceText decodeInterfaceBlock(std::span<const uint8_t> block)
{
    tObjStream in(block);
    const std::string plain = decodeAll(in);
    const size_t nul = plain.find('\0');
    if (nul == std::string::npos)
        return {plain, {}};
    return {plain.substr(0, nul), plain.substr(nul + 1)};
}
