#pragma once

#include <memory>

#include "mainobj/system/printFront.h"

// The print job the printing primitives share. "startPrintJob" opens it and "endPrintJob"
// closes it; nested calls count, and the last close ends the document. A picture printed while
// a job is open is one page of the job's document, otherwise a document of its own. Called
// under the interpreter lock, which is given up while the window prints or asks.
//
// Without a printer (the console) opening a job or printing fails erNoPrint.
void openPrintJob(const tPrintSettings& settings);
// Nothing when no job is open.
void closePrintJob();
void printPicture(std::shared_ptr<const QImage> picture, const tPrintSettings& settings);
// How many opens are not closed yet.
int printJobDepth();
