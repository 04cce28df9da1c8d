#pragma once

#include <memory>
#include <string>

#include "mainobj/system/dialogFront.h"

class QImage;

// Where printed pages go: the window's printer, installed by the window. The console has no
// printer, so there printing fails with erNoPrint (printJobs.h).

enum class tPrintOrientation { kPrinters, kPortrait, kLandscape };  // kPrinters: as set up

// How a document is printed: "printme"'s input, or "startPrintJob"'s for a whole job.
struct tPrintSettings {
    tPrintOrientation orientation = tPrintOrientation::kPrinters;
    bool showDialog = false;  // the print dialog first, where the learner may cancel
    std::string jobName;      // empty: the program's own name
    int copies = 1;
};

// The answers' codes when not cancelled (a cancelled print dialog answers `cancelled`).
constexpr int kPrintFailed = 0;
constexpr int kPrintDone = 1;

class tPrintFront {
public:
    using tAnswered = tDialogFront::tAnswered;
    using tCloser = tDialogFront::tCloser;

    virtual ~tPrintFront() = default;
    // Each is called on the window thread and answers once, on the window thread; those that
    // show a dialog return at once and answer when it closes.
    //
    // The printer's page set-up; the answer's text is the printer's name (or the file it
    // prints into).
    virtual tCloser ShowPrinterSetup(tAnswered answered) = 0;
    // Starts a document on the printer, after the print dialog when the settings ask for it.
    virtual tCloser OpenDocument(const tPrintSettings& settings, tAnswered answered) = 0;
    // The picture on a page of its own, as large as fits. Without an open document (its print
    // dialog was cancelled) the page is left out and the answer is kPrintDone.
    virtual tCloser PrintPage(std::shared_ptr<const QImage> picture, tPrintOrientation orientation,
                              tAnswered answered) = 0;
    // Ends the open document, which hands it to the printer.
    virtual tCloser CloseDocument(tAnswered answered) = 0;
};

// None in the console.
void installPrintFront(std::shared_ptr<tPrintFront> front);
std::shared_ptr<tPrintFront> printFront();
