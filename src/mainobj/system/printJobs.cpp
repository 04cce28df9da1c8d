#include "mainobj/system/printJobs.h"

#include <utility>

#include "values/eLogoException.h"

namespace {

// Counted under the interpreter lock. It counts from the moment an open starts, so that a
// second process opening meanwhile nests in the same job instead of starting another document.
int depth = 0;

std::shared_ptr<tPrintFront> printer()
{
    std::shared_ptr<tPrintFront> front = printFront();
    if (!front) throw eLogoException(erNoPrint);
    return front;
}

// Waits for one piece of the front's work; a failure is erNoPrint. A cancelled dialog is not.
void await(tShowAnswering work)
{
    const tDialogAnswer answer = awaitWindowAnswer(std::move(work));
    if (!answer.cancelled && answer.code != kPrintDone) throw eLogoException(erNoPrint);
}

void printPage(const std::shared_ptr<tPrintFront>& front, std::shared_ptr<const QImage> picture,
               tPrintOrientation orientation)
{
    await([front, picture = std::move(picture), orientation](tPrintFront::tAnswered answered) {
        return front->PrintPage(picture, orientation, std::move(answered));
    });
}

}  // namespace

void openPrintJob(const tPrintSettings& settings)
{
    std::shared_ptr<tPrintFront> front = printer();
    if (depth++ > 0) return;
    try {
        await([front, settings](tPrintFront::tAnswered answered) { return front->OpenDocument(settings, std::move(answered)); });
    } catch (...) {
        --depth;
        throw;
    }
}

void closePrintJob()
{
    if (depth == 0 || --depth > 0) return;
    std::shared_ptr<tPrintFront> front = printFront();
    if (!front) return;
    await([front](tPrintFront::tAnswered answered) { return front->CloseDocument(std::move(answered)); });
}

void printPicture(std::shared_ptr<const QImage> picture, const tPrintSettings& settings)
{
    std::shared_ptr<tPrintFront> front = printer();
    if (depth > 0) {
        printPage(front, std::move(picture), settings.orientation);
        return;
    }
    openPrintJob(settings);
    try {
        printPage(front, std::move(picture), settings.orientation);
    } catch (...) {
        // The close is handed to the window before any wait, so even a stopped process ends
        // its document; the page's own error is the one reported.
        try {
            closePrintJob();
        } catch (...) {
        }
        throw;
    }
    closePrintJob();
}

int printJobDepth() { return depth; }
