#include "platform/printing/tQtPrintFront.h"

#include <QFile>
#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/dialogs/modalDialog.h"
#include "platform/window/windowText.h"

namespace {

tDialogAnswer answer(int code, std::string text = {}) { return {false, code, std::move(text)}; }

QPageLayout::Orientation qtOrientation(tPrintOrientation orientation)
{
    return orientation == tPrintOrientation::kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The printer's name, or the file a printer that writes files writes into.
std::string printerText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        return QFile::encodeName(printer.outputFileName()).toStdString();
    return toLogoText(printer.printerName());
}

tDialogFront::tCloser nothingToClose()
{
    return [] {};
}

}  // namespace

tQtPrintFront::tQtPrintFront(QWidget* parent, tPrinterMaker makePrinter)
    : parent_(parent), makePrinter_(std::move(makePrinter))
{
}

tQtPrintFront::~tQtPrintFront() { EndDocument(); }

QPrinter& tQtPrintFront::Printer()
{
    if (!printer_) {
        printer_ = makePrinter_ ? makePrinter_() : std::make_unique<QPrinter>(QPrinter::HighResolution);
        setUpLayout_ = printer_->pageLayout();
    }
    return *printer_;
}

// A printer that writes files needs a file; any other must be one the system has.
bool tQtPrintFront::CanPrint()
{
    QPrinter& printer = Printer();
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return printer.isValid() && !printer.printerName().isEmpty();
}

tDialogFront::tCloser tQtPrintFront::ShowPrinterSetup(tAnswered answered)
{
    // The set-up of a printer that is printing waits until its document is done.
    if (documentOpen_) {
        answered({});
        return nothingToClose();
    }
    QPrinter& printer = Printer();
    auto* dialog = new QPageSetupDialog(&printer, parent_);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [this, &printer, answered = answerOnce(std::move(answered))](int result) {
                         if (result != QDialog::Accepted) return answered({});
                         setUpLayout_ = printer.pageLayout();
                         answered(answer(0, printerText(printer)));
                     });
    return openModal(dialog);
}

tDialogFront::tCloser tQtPrintFront::OpenDocument(const tPrintSettings& settings, tAnswered answered)
{
    // One a stopped process left open ends first.
    EndDocument();
    QPrinter& printer = Printer();
    printer.setDocName(settings.jobName.empty() ? QStringLiteral("Zembrix") : fromLogoText(settings.jobName));
    printer.setCopyCount(settings.copies);
    if (settings.orientation != tPrintOrientation::kPrinters) printer.setPageOrientation(qtOrientation(settings.orientation));
    tAnswered reply = answerOnce(std::move(answered));
    auto begin = [this, reply](bool accepted) {
        if (!accepted || !CanPrint()) {
            printer_->setPageLayout(setUpLayout_);
            return reply(accepted ? answer(kPrintFailed) : tDialogAnswer{});
        }
        documentOpen_ = true;
        copiesByHand_ = printer_->supportsMultipleCopies() ? 1 : printer_->copyCount();
        reply(answer(kPrintDone));
    };
    if (!settings.showDialog) {
        begin(true);
        return nothingToClose();
    }
    auto* dialog = new QPrintDialog(&printer, parent_);
    QObject::connect(dialog, &QDialog::finished, dialog, [begin](int result) { begin(result == QDialog::Accepted); });
    return openModal(dialog);
}

// The first sheet begins the document; a later one turns to its orientation first.
bool tQtPrintFront::NewSheet(tPrintOrientation orientation)
{
    QPrinter& printer = *printer_;
    if (orientation != tPrintOrientation::kPrinters) printer.setPageOrientation(qtOrientation(orientation));
    if (painter_) return printer.newPage();
    painter_ = std::make_unique<QPainter>();
    if (painter_->begin(&printer)) return true;
    painter_.reset();
    return false;
}

tDialogFront::tCloser tQtPrintFront::PrintPage(std::shared_ptr<const QImage> picture, tPrintOrientation orientation,
                                               tAnswered answered)
{
    if (!documentOpen_) {
        answered(answer(kPrintDone));
        return nothingToClose();
    }
    for (int copy = 0; copy < copiesByHand_; ++copy) {
        if (!NewSheet(orientation)) {
            EndDocument();
            answered(answer(kPrintFailed));
            return nothingToClose();
        }
        // As large as the printable area allows, undistorted, centred across the top.
        const QSize area = printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
        const QSize size = picture->size().scaled(area, Qt::KeepAspectRatio);
        painter_->drawImage(QRect(QPoint((area.width() - size.width()) / 2, 0), size), *picture);
    }
    answered(answer(kPrintDone));
    return nothingToClose();
}

tDialogFront::tCloser tQtPrintFront::CloseDocument(tAnswered answered)
{
    answered(answer(EndDocument() ? kPrintDone : kPrintFailed));
    return nothingToClose();
}

bool tQtPrintFront::EndDocument()
{
    const bool ended = !painter_ || painter_->end();
    painter_.reset();
    if (documentOpen_) printer_->setPageLayout(setUpLayout_);
    documentOpen_ = false;
    return ended;
}
