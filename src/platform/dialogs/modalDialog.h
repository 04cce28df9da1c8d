#pragma once

#include "mainobj/system/dialogFront.h"

class QDialog;

// What every dialog of the window does: it answers once, whatever closes it and however often,
// and it opens modal to the application, deleting itself when it closes.
tDialogFront::tAnswered answerOnce(tDialogFront::tAnswered answered);
// Shows the dialog; the closer rejects it while it is still there.
tDialogFront::tCloser openModal(QDialog* dialog);
