#include "images/lgfTextFiles.h"

#include "images/lgfChunks.h"
#include "images/lgfText.h"
#include "language/StreamKeys.h"
#include "language/texecodedstream.h"
#include "mainobj/system/containerTexts.h"

namespace {

// The container seen plainly when the stored bytes are LGF, else through the project filter
// when the decoded ones are; nothing when neither is.
class tContainerView {
public:
    explicit tContainerView(tStream& stored)
    {
        if (checkLgfHeader(stored, lpProbe)) {
            view = &stored;
            return;
        }
        // The filter follows the positions it moves to itself, so it starts at the first byte.
        seekTo(stored, 0);
        filter.emplace(stored, kProjectKey);
        if (checkLgfHeader(*filter, lpProbe)) view = &*filter;
    }

    tStream* Stream() const { return view; }

private:
    std::optional<texecodedstream> filter;
    tStream* view = nullptr;
};

}  // namespace

std::optional<std::string> lgfTextChunk(tStream& stream, int32_t index)
{
    tContainerView container(stream);
    tStream* view = container.Stream();
    if (!view) return std::nullopt;
    const int32_t length = findTextChunk(*view, index);
    // No writer makes a packed text chunk; there is no text to read in it.
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    view->ReadExact(text.data(), length);
    return text;
}

void writeLgfProjectEnvelope(tStream& stream, std::string_view text)
{
    texecodedstream coded(stream, kProjectKey);
    const int64_t body = beginProjectStream(coded, {});
    coded.WriteExact(text.data(), static_cast<int64_t>(text.size()));
    closeTextChunk(coded, body, false);
}

bool appendLgfText(tStream& stream, std::string_view text)
{
    tContainerView container(stream);
    tStream* view = container.Stream();
    if (!view) return false;
    seekTo(*view, streamEnd(*view));
    const int64_t body = beginChunk(*view) + kChunkHeaderSize;
    view->WriteExact(text.data(), static_cast<int64_t>(text.size()));
    closeTextChunk(*view, body, false);
    return true;
}

void installLgfTextFiles()
{
    installContainerTexts({&lgfTextChunk, &writeLgfProjectEnvelope, &appendLgfText});
}
