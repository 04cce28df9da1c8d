#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "mainobj/system/printFront.h"

class QPainter;
class QPrinter;

// The window's printer: Qt's print and page set-up dialogs over one QPrinter, kept for the
// program's life so that what the learner sets up holds for later prints. One document at a
// time is open; it begins with its first page, so a job without pages prints no empty sheet.
class tQtPrintFront : public tPrintFront {
public:
    using tPrinterMaker = std::function<std::unique_ptr<QPrinter>()>;

    // Without a maker, the system's default printer (tests hand in printers that write PDF).
    explicit tQtPrintFront(QWidget* parent, tPrinterMaker makePrinter = {});
    ~tQtPrintFront() override;

    tCloser ShowPrinterSetup(tAnswered answered) override;
    tCloser OpenDocument(const tPrintSettings& settings, tAnswered answered) override;
    tCloser PrintPage(std::shared_ptr<const QImage> picture, tPrintOrientation orientation, tAnswered answered) override;
    tCloser CloseDocument(tAnswered answered) override;

private:
    QPrinter& Printer();
    bool CanPrint();
    bool NewSheet(tPrintOrientation orientation);
    bool EndDocument();  // false when the printer did not take it

    QPointer<QWidget> parent_;
    tPrinterMaker makePrinter_;
    std::unique_ptr<QPrinter> printer_;
    QPageLayout setUpLayout_;  // as set up, given back when a document that changed it ends
    bool documentOpen_ = false;
    std::unique_ptr<QPainter> painter_;  // from the document's first page on
    int copiesByHand_ = 1;               // when the printer cannot make copies itself
};
