#include "turtle/labelText.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringDecoder>

#include <cmath>
#include <cstdio>
#include <mutex>
#include <numbers>

#include "processes/tWindowThread.h"
#include "turtle/penDrawing.h"

namespace {

// Face names are matched as given; "System", the usual face, is the pinned default face, so
// that pictures do not change with the fonts a machine has.
constexpr const char* kDefaultFace = "DejaVu Sans";
// Screens are taken as 96 dots per inch; a size of 0 is the usual 12 points.
constexpr int kDotsPerInch = 96;
constexpr int kUsualPoints = 12;

// Qt's font database exists only with an application. A console that made none gets one, on
// Qt's offscreen platform, the first time text is measured or drawn; Qt's notes (a missing
// runtime folder) are kept off standard error, which carries Logo errors.
void keepQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

void prepareFonts()
{
    static std::once_flag made;
    std::call_once(made, [] {
        if (QGuiApplication::instance()) return;
        RunOnWindowThread([] {
            if (QGuiApplication::instance()) return;
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qInstallMessageHandler(&keepQtFailures);
            static int argc = 1;
            static char name[] = "zembrix";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);  // lives as long as the program
        });
    });
}

namespace {

QString unicodeOf(std::string_view text)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

// The heading to the tenth of a degree, as labels are rotated.
long double labelHeading(long double heading) { return std::round(heading * 10) / 10; }

struct tLayout {
    std::vector<std::string> lines;
    std::vector<int> widths;
    int lineStep = 0;  // from one line's top to the next one's
    int ascent = 0;
    int lineHeight = 0;
};

tLayout layOut(const QFont& font, std::string_view text)
{
    const QFontMetrics metrics(font);
    tLayout layout;
    layout.lines = labelLines(text);
    for (const std::string& line : layout.lines) layout.widths.push_back(metrics.horizontalAdvance(unicodeOf(line)));
    layout.lineHeight = metrics.height();
    layout.lineStep = metrics.height() + metrics.leading();
    layout.ascent = metrics.ascent();
    return layout;
}

// Along the baseline and down the lines, in surface pixels (y down).
struct tTextFrame {
    tRealPoint along;
    tRealPoint down;
    tRealPoint origin;  // the top-left of the first line
    tRealPoint At(long double x, long double y) const
    {
        return {origin.x + x * along.x + y * down.x, origin.y + x * along.y + y * down.y};
    }
};

tTextFrame frameOf(const tLabel& label, const tLayout& layout)
{
    const long double angle = labelHeading(label.heading) * std::numbers::pi_v<long double> / 180;
    tTextFrame frame;
    frame.along = {std::cos(angle), std::sin(angle)};
    frame.down = {-std::sin(angle), std::cos(angle)};
    frame.origin = label.at;
    if (label.font.flags & tFontRecord::kBaseline) frame.origin = frame.At(0, -layout.ascent);
    return frame;
}

tLabelPlacement placementOf(const tTextFrame& frame, const tLayout& layout)
{
    int widest = 0;
    for (int width : layout.widths) widest = std::max(widest, width);
    const long double last = static_cast<long double>(layout.lines.size() - 1) * layout.lineStep;
    const long double bottom = last + layout.lineHeight;
    tLabelPlacement placement;
    placement.corners[0] = frame.At(0, 0);
    placement.corners[1] = frame.At(widest, 0);
    placement.corners[2] = frame.At(widest, bottom);
    placement.corners[3] = frame.At(0, bottom);
    placement.end = frame.At(layout.widths.back(), last);
    return placement;
}

}  // namespace

std::vector<std::string> labelLines(std::string_view text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

QFont fontOf(const tFontRecord& record)
{
    prepareFonts();
    QFont font(record.face.empty() || record.face == "System" ? QString(kDefaultFace) : unicodeOf(record.face));
    const int points = record.size > 0 ? record.size : kUsualPoints;
    font.setPixelSize(std::max(1, (points * kDotsPerInch + 36) / 72));
    font.setBold(record.style & tFontRecord::kBold);
    font.setItalic(record.style & tFontRecord::kItalic);
    font.setUnderline(record.style & tFontRecord::kUnderline);
    font.setStrikeOut(record.style & tFontRecord::kStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

tTextExtent measureText(const tFontRecord& record, std::string_view text)
{
    const QFont font = fontOf(record);
    const tLayout layout = layOut(font, text);
    tTextExtent extent;
    for (int width : layout.widths) extent.width = std::max(extent.width, width);
    extent.height = static_cast<int>(layout.lines.size() - 1) * layout.lineStep + layout.lineHeight;
    extent.ascent = layout.ascent;
    extent.leading = QFontMetrics(font).leading();
    return extent;
}

tLabelPlacement placeLabel(const tLabel& label)
{
    const tLayout layout = layOut(fontOf(label.font), label.text);
    return placementOf(frameOf(label, layout), layout);
}

tLabelPlacement drawLabel(QImage& picture, const tLabel& label, const tPixelRect* clip)
{
    const QFont font = fontOf(label.font);
    const tLayout layout = layOut(font, label.text);
    const tTextFrame frame = frameOf(label, layout);
    QPainter painter(&picture);
    preparePainter(painter, clip);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(0xFF000000u | label.colour));
    if (label.font.flags & tFontRecord::kOpaque) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(QColor::fromRgb(0xFF000000u | label.background));
    }
    painter.translate(static_cast<double>(std::round(frame.origin.x)), static_cast<double>(std::round(frame.origin.y)));
    painter.rotate(static_cast<double>(labelHeading(label.heading)));
    for (size_t i = 0; i < layout.lines.size(); ++i)
        painter.drawText(0, static_cast<int>(i) * layout.lineStep + layout.ascent, unicodeOf(layout.lines[i]));
    return placementOf(frame, layout);
}
