#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "offscreenApplication.h"
#include "platform/printing/tQtPrintFront.h"

// The window's printer writing PDF files, read back: how many pages, their size, and the
// pictures on them.

namespace {

// What a PDF file that Qt wrote holds, found by its plain-text object headers.
struct tPdf {
    std::vector<QSizeF> pages;  // media boxes, in points
    std::vector<QImage> pictures;
};

std::optional<tPdf> readPdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    tPdf pdf;
    for (qsizetype at = 0; (at = bytes.indexOf("/Type /Page\n", at)) >= 0; ++at) {
        const qsizetype box = bytes.indexOf("/MediaBox [", at);
        const QList<QByteArray> corners = bytes.mid(box + 11, bytes.indexOf(']', box) - box - 11).split(' ');
        pdf.pages.push_back({corners.value(2).toDouble(), corners.value(3).toDouble()});
    }
    for (qsizetype at = 0; (at = bytes.indexOf("/Subtype /Image", at)) >= 0; ++at) {
        const qsizetype start = bytes.indexOf("stream\n", at) + 7;
        const qsizetype end = bytes.indexOf("endstream", start);
        pdf.pictures.push_back(QImage::fromData(bytes.mid(start, end - start), "JPG"));
    }
    return pdf;
}

std::shared_ptr<const QImage> filled(int width, int height, QColor colour)
{
    auto picture = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
    picture->fill(colour);
    return picture;
}

// Close enough after the JPEG compression the PDF uses.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 && std::abs(a.blue() - b.blue()) < 12;
}

tPrintSettings settingsOf(tPrintOrientation orientation, int copies, bool showDialog = false)
{
    tPrintSettings settings;
    settings.orientation = orientation;
    settings.copies = copies;
    settings.showDialog = showDialog;
    return settings;
}
const tPrintSettings kWithDialog = settingsOf(tPrintOrientation::kPrinters, 1, true);

const QSizeF kPortraitA4(595, 842);
const QSizeF kLandscapeA4(842, 595);

class QtPrintFront : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApplication(); }

    void TearDown() override
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<QDialog*>(widget) && widget->isVisible()) << "a dialog stayed open";
    }

    // The answer the front gave; none while it has not answered.
    struct tReply {
        std::optional<tDialogAnswer> answer;
        tDialogFront::tAnswered Take()
        {
            return [this](tDialogAnswer given) {
                EXPECT_FALSE(answer) << "answered twice";
                answer = given;
            };
        }
        bool Done() const { return answer && !answer->cancelled && answer->code == kPrintDone; }
        bool Cancelled() const { return answer && answer->cancelled; }
    };

    tReply Open(const tPrintSettings& settings)
    {
        tReply reply;
        front.OpenDocument(settings, reply.Take());
        return reply;
    }
    tReply Page(std::shared_ptr<const QImage> picture, tPrintOrientation orientation = tPrintOrientation::kPrinters)
    {
        tReply reply;
        front.PrintPage(std::move(picture), orientation, reply.Take());
        return reply;
    }
    tReply Close()
    {
        tReply reply;
        front.CloseDocument(reply.Take());
        return reply;
    }

    template <class Dialog>
    static Dialog* Shown()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<Dialog*>(widget); found && found->isVisible()) return found;
        return nullptr;
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath("printed.pdf");
    QString fileName = pdf;  // empty: a printer with nowhere to print to
    tQtPrintFront front{nullptr, [this] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(fileName);
        return printer;
    }};
};

TEST_F(QtPrintFront, EachPictureIsAPageOfTheDocument)
{
    EXPECT_TRUE(Open({}).Done());
    EXPECT_TRUE(Page(filled(123, 45, QColor(200, 10, 20))).Done());
    EXPECT_TRUE(Page(filled(60, 80, QColor(10, 20, 200))).Done());
    EXPECT_TRUE(Close().Done());
    const std::optional<tPdf> printed = readPdf(pdf);
    ASSERT_TRUE(printed);
    EXPECT_EQ(printed->pages, (std::vector<QSizeF>{kPortraitA4, kPortraitA4}));
    ASSERT_EQ(printed->pictures.size(), 2u);
    EXPECT_EQ(printed->pictures[0].size(), QSize(123, 45));
    EXPECT_TRUE(near(printed->pictures[0].pixelColor(60, 20), QColor(200, 10, 20)));
    EXPECT_EQ(printed->pictures[1].size(), QSize(60, 80));
    EXPECT_TRUE(near(printed->pictures[1].pixelColor(30, 40), QColor(10, 20, 200)));
}

// PDF cannot make copies itself: the front prints each page as often as asked. A page's own
// orientation turns only that page; the next document is as the printer was set up.
TEST_F(QtPrintFront, CopiesAndOrientations)
{
    auto picture = filled(40, 30, Qt::green);
    EXPECT_TRUE(Open(settingsOf(tPrintOrientation::kLandscape, 2)).Done());
    EXPECT_TRUE(Page(picture).Done());
    EXPECT_TRUE(Page(picture, tPrintOrientation::kPortrait).Done());
    EXPECT_TRUE(Close().Done());
    EXPECT_EQ(readPdf(pdf)->pages, (std::vector<QSizeF>{kLandscapeA4, kLandscapeA4, kPortraitA4, kPortraitA4}));

    EXPECT_TRUE(Open({}).Done());
    EXPECT_TRUE(Page(picture).Done());
    EXPECT_TRUE(Close().Done());
    EXPECT_EQ(readPdf(pdf)->pages, std::vector<QSizeF>{kPortraitA4});
}

TEST_F(QtPrintFront, ADocumentWithoutPagesPrintsNothing)
{
    EXPECT_TRUE(Open({}).Done());
    EXPECT_TRUE(Close().Done());
    EXPECT_FALSE(QFile::exists(pdf));
}

// The default printer on a machine without printers writes PDF, but to no file.
TEST_F(QtPrintFront, APrinterWithNowhereToPrintFails)
{
    fileName.clear();
    const tReply opened = Open({});
    ASSERT_TRUE(opened.answer);
    EXPECT_FALSE(opened.answer->cancelled);
    EXPECT_EQ(opened.answer->code, kPrintFailed);
    EXPECT_TRUE(Page(filled(10, 10, Qt::red)).Done()) << "no document: the page is left out";
    EXPECT_TRUE(Close().Done());
}

TEST_F(QtPrintFront, ACancelledPrintDialogPrintsNothing)
{
    const tReply opened = Open(kWithDialog);
    EXPECT_FALSE(opened.answer) << "answers when the dialog closes";
    QPrintDialog* dialog = Shown<QPrintDialog>();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    EXPECT_TRUE(opened.Cancelled());
    EXPECT_TRUE(Page(filled(10, 10, Qt::red)).Done());
    EXPECT_TRUE(Close().Done());
    EXPECT_FALSE(QFile::exists(pdf));

    // A stopped process closes its dialog through the closer.
    tReply again;
    const tDialogFront::tCloser closer = front.OpenDocument(kWithDialog, again.Take());
    ASSERT_NE(Shown<QPrintDialog>(), nullptr);
    closer();
    EXPECT_TRUE(again.Cancelled());
    closer();
}

TEST_F(QtPrintFront, PrinterSetupAnswersWhereThePrinterPrints)
{
    tReply accepted;
    front.ShowPrinterSetup(accepted.Take());
    QPageSetupDialog* dialog = Shown<QPageSetupDialog>();
    ASSERT_NE(dialog, nullptr);
    dialog->accept();
    ASSERT_TRUE(accepted.answer);
    EXPECT_FALSE(accepted.answer->cancelled);
    EXPECT_EQ(accepted.answer->text, QFile::encodeName(pdf).toStdString());

    tReply rejected;
    front.ShowPrinterSetup(rejected.Take());
    ASSERT_NE(Shown<QPageSetupDialog>(), nullptr);
    Shown<QPageSetupDialog>()->reject();
    EXPECT_TRUE(rejected.Cancelled());

    // Not while a document is printing.
    EXPECT_TRUE(Open({}).Done());
    tReply busy;
    front.ShowPrinterSetup(busy.Take());
    EXPECT_TRUE(busy.Cancelled());
    EXPECT_EQ(Shown<QPageSetupDialog>(), nullptr);
    EXPECT_TRUE(Close().Done());
}

}  // namespace
