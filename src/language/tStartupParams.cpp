#include "language/tStartupParams.h"

#include "language/tExe2MemStream.h"

tStartupParams tStartupParams::Read(tStream& stream)
{
    tStartupParams params;
    params.reserved = stream.ReadInt32();
    params.severalCopies = stream.ReadByte();
    params.projectKey = static_cast<uint32_t>(stream.ReadInt32());
    params.instanceId = stream.ReadInt32();
    params.reservedFlag1 = stream.ReadByte();
    params.reservedFlag2 = stream.ReadByte();
    const int32_t length = stream.ReadInt32();
    if (length < 0 || length > stream.Size() - stream.Position())
        throw eStreamError("Stream read error");
    params.interfaceLanguage.resize(static_cast<size_t>(length));
    stream.ReadExact(params.interfaceLanguage.data(), length);
    return params;
}

void tStartupParams::Write(tStream& stream) const
{
    stream.WriteInt32(reserved);
    stream.WriteByte(severalCopies);
    stream.WriteInt32(static_cast<int32_t>(projectKey));
    stream.WriteInt32(instanceId);
    stream.WriteByte(reservedFlag1);
    stream.WriteByte(reservedFlag2);
    stream.WriteInt32(static_cast<int32_t>(interfaceLanguage.size()));
    stream.WriteExact(interfaceLanguage.data(), static_cast<int64_t>(interfaceLanguage.size()));
}

std::optional<tStartupParams> embeddedStartupParams(const tEmbeddedDirectory& directory)
{
    try {
        tcodedExe2MemStream stream(kStartupParamsName, kEmbeddedDataKey, directory);
        return tStartupParams::Read(stream);
    } catch (const eStreamError&) {
        return std::nullopt;
    }
}
