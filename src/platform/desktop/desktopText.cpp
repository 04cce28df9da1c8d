#include "platform/desktop/desktopText.h"

#include <QByteArray>
#include <QHash>
#include <QStringDecoder>

namespace {

QString decoded(std::string_view bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Qt's encoder writes a control character for what the code page lacks; the code page's own
// table, read back from the decoder, lets those become "?".
const QHash<char32_t, char>& codePageBytes()
{
    static const QHash<char32_t, char> bytes = [] {
        QHash<char32_t, char> table;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString character = decoded(std::string_view(&c, 1));
            if (character.size() == 1 && character[0] != QChar::ReplacementCharacter)
                table.insert(character[0].unicode(), c);
        }
        return table;
    }();
    return bytes;
}

}  // namespace

QString unicodeFromWord(std::string_view word) { return decoded(word); }

std::string wordFromUnicode(const QString& text)
{
    const QHash<char32_t, char>& bytes = codePageBytes();
    std::string word;
    word.reserve(static_cast<size_t>(text.size()));
    for (char32_t character : text.toUcs4()) word.push_back(bytes.value(character, '?'));
    return word;
}
