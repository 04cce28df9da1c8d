#include "platform/dialogs/imageEditor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/dialogs/modalDialog.h"
#include "platform/window/windowText.h"

namespace {

// The picture enlarged so that a pixel is a square the mouse can hit, with a light grid.
class tPixelCanvas : public QWidget {
public:
    explicit tPixelCanvas(QImage picture, QWidget* parent = nullptr)
        : QWidget(parent), picture_(std::move(picture)),
          zoom_(std::clamp(384 / std::max({picture_.width(), picture_.height(), 1}), 1, 16))
    {
        setFixedSize(picture_.width() * zoom_, picture_.height() * zoom_);
        setCursor(Qt::CrossCursor);
        setObjectName(QStringLiteral("pixels"));
    }

    const QImage& Picture() const { return picture_; }
    QColor pen = Qt::black;
    bool erasing = false;
    std::function<void(QColor)> picked;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // Transparent pixels show on a chequerboard, as painting programs show them.
        for (int y = 0; y < picture_.height(); ++y)
            for (int x = 0; x < picture_.width(); ++x)
                painter.fillRect(x * zoom_, y * zoom_, zoom_, zoom_, (x + y) % 2 ? QColor(204, 204, 204) : Qt::white);
        painter.drawImage(rect(), picture_);
        if (zoom_ >= 6) {
            painter.setPen(QColor(0, 0, 0, 40));
            for (int x = 0; x <= picture_.width(); ++x) painter.drawLine(x * zoom_, 0, x * zoom_, height());
            for (int y = 0; y <= picture_.height(); ++y) painter.drawLine(0, y * zoom_, width(), y * zoom_);
        }
    }
    void mousePressEvent(QMouseEvent* event) override { Touch(event); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons() & Qt::LeftButton) Touch(event);
    }

private:
    void Touch(QMouseEvent* event)
    {
        const int x = static_cast<int>(event->position().x()) / zoom_;
        const int y = static_cast<int>(event->position().y()) / zoom_;
        if (x < 0 || y < 0 || x >= picture_.width() || y >= picture_.height()) return;
        if (event->buttons() & Qt::RightButton) {
            if (picked) picked(QColor::fromRgba(picture_.pixel(x, y)));
            return;
        }
        picture_.setPixel(x, y, erasing ? qRgba(0, 0, 0, 0) : pen.rgb());
        update(x * zoom_, y * zoom_, zoom_, zoom_);
    }

    QImage picture_;
    int zoom_;
};

void showColour(QPushButton* button, QColor colour)
{
    QPixmap swatch(24, 16);
    swatch.fill(colour);
    button->setIcon(QIcon(swatch));
}

}  // namespace

tImageEditorShow qtImageEditor(QWidget* parent)
{
    QPointer<QWidget> owner(parent);
    return [owner](const std::string& title, const QImage& picture, std::function<void(std::optional<QImage>)> done) {
        auto* dialog = new QDialog(owner);
        dialog->setWindowTitle(fromLogoText(title));
        auto* canvas = new tPixelCanvas(picture.convertToFormat(QImage::Format_ARGB32), dialog);
        auto* colour = new QPushButton(QStringLiteral("Colour..."), dialog);
        auto* transparent = new QCheckBox(QStringLiteral("Transparent"), dialog);
        showColour(colour, canvas->pen);
        canvas->picked = [canvas, colour, transparent](QColor picked) {
            transparent->setChecked(picked.alpha() < 128);
            if (picked.alpha() >= 128) {
                canvas->pen = picked;
                showColour(colour, picked);
            }
        };
        QObject::connect(colour, &QPushButton::clicked, dialog, [dialog, canvas, colour] {
            const QColor chosen = QColorDialog::getColor(canvas->pen, dialog, QString(), QColorDialog::DontUseNativeDialog);
            if (!chosen.isValid()) return;
            canvas->pen = chosen;
            showColour(colour, chosen);
        });
        QObject::connect(transparent, &QCheckBox::toggled, dialog, [canvas](bool on) { canvas->erasing = on; });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
        auto* tools = new QHBoxLayout;
        tools->addWidget(colour);
        tools->addWidget(transparent);
        tools->addStretch();
        auto* layout = new QVBoxLayout(dialog);
        layout->addLayout(tools);
        layout->addWidget(canvas, 0, Qt::AlignCenter);
        layout->addWidget(buttons);
        tDialogFront::tAnswered closed = answerOnce([done = std::move(done), canvas](tDialogAnswer answer) {
            done(answer.cancelled ? std::nullopt : std::optional<QImage>(canvas->Picture()));
        });
        QObject::connect(dialog, &QDialog::finished, dialog, [closed](int result) {
            tDialogAnswer answer;
            answer.cancelled = result != QDialog::Accepted;
            closed(answer);
        });
        return openModal(dialog);
    };
}
