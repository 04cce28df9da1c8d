#include "platform/window/windowText.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kCodePage = "windows-1252";
}  // namespace

QString fromLogoText(std::string_view text)
{
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string toLogoText(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
