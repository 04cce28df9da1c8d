#include "platform/desktop/tQtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/desktop/desktopText.h"
#include "processes/tWindowThread.h"

namespace {

// The program's own formats on the desktop's clipboard.
const QString kWordsMime = QStringLiteral("application/x-zembrix-text");
const QString kProjectMime = QStringLiteral("application/x-zembrix-project");

QClipboard* desktopClipboard()
{
    return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
}

QByteArray bytesOf(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

std::string stringOf(const QByteArray& bytes) { return std::string(bytes.constData(), static_cast<size_t>(bytes.size())); }

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
        if (format == kText) {
            if (data.hasFormat(kWordsMime))
                held = stringOf(data.data(kWordsMime));
            else if (data.hasText())
                held = wordFromUnicode(data.text());
        } else if (format == kProject && data.hasFormat(kProjectMime)) {
            held = stringOf(data.data(kProjectMime));
        }
    });
    return answered ? held : tClipboard::Data(format);
}

void tQtClipboard::SetData(std::string_view format, const std::string& bytes)
{
    bool placed = false;
    RunOnWindowThread([&] {
        QClipboard* clipboard = desktopClipboard();
        if (!clipboard) return;
        placed = true;
        if (bytes.empty()) {
            clipboard->clear();
            return;
        }
        auto data = new QMimeData;  // the clipboard takes it
        if (format == kText) {
            data->setText(unicodeFromWord(bytes));
            data->setData(kWordsMime, bytesOf(bytes));
        } else if (format == kProject) {
            data->setData(kProjectMime, bytesOf(bytes));
        }
        clipboard->setMimeData(data);
    });
    if (!placed) tClipboard::SetData(format, bytes);
}

std::vector<std::string> tQtClipboard::Formats()
{
    std::vector<std::string> formats;
    const bool answered = readHeld([&](const QMimeData& data) {
        if ((data.hasText() && !data.text().isEmpty()) || data.hasFormat(kWordsMime)) formats.emplace_back(kText);
        if (data.hasImage()) formats.emplace_back(kImage);
        if (data.hasFormat(kProjectMime)) formats.emplace_back(kProject);
    });
    return answered ? formats : tClipboard::Formats();
}
