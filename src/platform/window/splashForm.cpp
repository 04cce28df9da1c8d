#include "platform/window/splashForm.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QSplashScreen>

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 140;

// A turtle (the default look's triangle, nose up) beside the program's name.
QPixmap splashPicture()
{
    QPixmap picture(kWidth, kHeight);
    picture.fill(QColor(0xF4, 0xF7, 0xEC));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2E, 0x6B, 0x30), 2));
    painter.setBrush(QColor(0x7C, 0xB3, 0x42));
    painter.drawPolygon(QPolygonF({QPointF(60, 38), QPointF(40, 98), QPointF(80, 98)}));
    QFont title = QApplication::font();
    title.setPointSize(24);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0x22, 0x33, 0x22));
    painter.drawText(QRect(110, 30, kWidth - 120, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zembrix"));
    QFont note = QApplication::font();
    note.setPointSize(10);
    painter.setFont(note);
    painter.setPen(QColor(0x55, 0x66, 0x55));
    painter.drawText(QRect(112, 80, kWidth - 120, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Starting\u2026"));
    painter.setPen(QPen(QColor(0x2E, 0x6B, 0x30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return picture;
}

}  // namespace

std::unique_ptr<QSplashScreen> showSplash(bool topmost)
{
    auto splash = std::make_unique<QSplashScreen>(splashPicture());
    splash->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    splash->show();
    // Painted now: the start-up runs before the event loop does.
    QApplication::processEvents();
    return splash;
}
