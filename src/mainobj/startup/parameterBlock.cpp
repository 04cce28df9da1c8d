#include "mainobj/startup/parameterBlock.h"

#include "language/tExe2MemStream.h"
#include "language/tStartupParams.h"
#include "language/tStream.h"

tParameterBlock readParameterBlock(tStream& stream)
{
    tParameterBlock block;
    try {
        stream.ReadInt32();
        block.severalCopies = stream.ReadByte() != 0;
        block.projectKey = static_cast<uint32_t>(stream.ReadInt32());
        block.instanceId = stream.ReadInt32();
        block.speechOutput = stream.ReadByte() != 0;
        block.debug = stream.ReadByte() != 0;
        const int32_t length = stream.ReadInt32();
        if (length < 0 || length > stream.Size() - stream.Position())
            return block;
        std::string language(static_cast<size_t>(length), '\0');
        stream.ReadExact(language.data(), length);
        block.interfaceLanguage = std::move(language);
        block.speechRecognition = stream.ReadByte() != 0;
        if (block.speechRecognition)
            block.speechOutput = true;
    } catch (const eStreamError&) {
        // A short block: what was read stays.
    }
    return block;
}

tParameterBlock embeddedParameterBlock(const tEmbeddedDirectory& directory)
{
    try {
        tcodedExe2MemStream stream(kStartupParamsName, kEmbeddedDataKey, directory);
        return readParameterBlock(stream);
    } catch (const eStreamError&) {
        return {};
    }
}
