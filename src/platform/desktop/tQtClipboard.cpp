#include "platform/desktop/tQtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/desktop/desktopText.h"
#include "processes/tWindowThread.h"

namespace {

// The program's own formats on the desktop's clipboard.
const QString kWordsMime = QStringLiteral("application/x-zembrix-text");
const QString kImageFileMime = QStringLiteral("application/x-zembrix-image");
const QString kProjectMime = QStringLiteral("application/x-zembrix-project");

// The private format of each of the program's formats that are kept as they are.
QString privateMime(std::string_view format)
{
    if (format == tClipboard::kText) return kWordsMime;
    if (format == tClipboard::kImageFile) return kImageFileMime;
    if (format == tClipboard::kProject) return kProjectMime;
    return {};
}

QClipboard* desktopClipboard()
{
    return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
}

QByteArray bytesOf(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

std::string stringOf(const QByteArray& bytes) { return std::string(bytes.constData(), static_cast<size_t>(bytes.size())); }

std::string bitmapFile(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return stringOf(bytes);
}

}  // namespace

// Runs `read` on the window thread with what the desktop's clipboard holds; false when there is
// no Qt application (any more) to ask.
template <typename tRead>
bool readHeld(tRead read)
{
    bool answered = false;
    RunOnWindowThread([&] {
        QClipboard* clipboard = desktopClipboard();
        if (!clipboard) return;
        answered = true;
        if (const QMimeData* data = clipboard->mimeData()) read(*data);
    });
    return answered;
}

std::string tQtClipboard::Data(std::string_view format)
{
    std::string held;
    const bool answered = readHeld([&](const QMimeData& data) {
        const QString mime = privateMime(format);
        if (!mime.isEmpty() && data.hasFormat(mime))
            held = stringOf(data.data(mime));
        else if (format == kText && data.hasText())
            held = wordFromUnicode(data.text());
        else if (format == kImage && data.hasImage())
            // The clipboard's own conversion: reading the image out of the mime data here would
            // tie the program to Qt Gui's meta-object data, which it reaches only on first use.
            held = bitmapFile(desktopClipboard()->image());
    });
    return answered ? held : tClipboard::Data(format);
}

void tQtClipboard::Set(const tContents& contents)
{
    bool placed = false;
    RunOnWindowThread([&] {
        QClipboard* clipboard = desktopClipboard();
        if (!clipboard) return;
        placed = true;
        auto data = std::make_unique<QMimeData>();
        bool any = false;
        for (const auto& [format, bytes] : contents) {
            if (bytes.empty()) continue;
            any = true;
            if (format == kText) data->setText(unicodeFromWord(bytes));
            if (format == kImage) data->setImageData(QImage::fromData(bytesOf(bytes), "BMP"));
            if (const QString mime = privateMime(format); !mime.isEmpty()) data->setData(mime, bytesOf(bytes));
        }
        if (any)
            clipboard->setMimeData(data.release());  // the clipboard takes it
        else
            clipboard->clear();
    });
    if (!placed) tClipboard::Set(contents);
}

std::vector<std::string> tQtClipboard::Formats()
{
    std::vector<std::string> formats;
    const bool answered = readHeld([&](const QMimeData& data) {
        if ((data.hasText() && !data.text().isEmpty()) || data.hasFormat(kWordsMime)) formats.emplace_back(kText);
        if (data.hasImage() || data.hasFormat(kImageFileMime)) formats.emplace_back(kImage);
        if (data.hasFormat(kProjectMime)) formats.emplace_back(kProject);
    });
    return answered ? formats : tClipboard::Formats();
}
