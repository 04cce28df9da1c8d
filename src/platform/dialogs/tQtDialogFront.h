#pragma once

#include <QPointer>
#include <QWidget>

#include "mainobj/system/dialogFront.h"

// The window's dialogs: Qt's message box, input dialog, file and colour dialogs, and a menu for
// "popup". Each is modal to the whole application while it is open (the open request of a
// later copy is refused meanwhile), deletes itself when it closes, and answers through its
// finished signal, so the window thread never runs a nested event loop for it.
class tQtDialogFront : public tDialogFront {
public:
    explicit tQtDialogFront(QWidget* parent) : parent_(parent) {}

    tCloser ShowMessage(const tMessageRequest& request, tAnswered answered) override;
    tCloser ShowLineInput(const tLineRequest& request, tAnswered answered) override;
    tCloser ShowFileChooser(const tFileRequest& request, tAnswered answered) override;
    tCloser ShowColourChooser(const tColourRequest& request, tAnswered answered) override;
    tCloser ShowItemChooser(const tItemsRequest& request, tAnswered answered) override;
    tCloser ShowPopup(const tPopupRequest& request, tAnswered answered) override;

private:
    QPointer<QWidget> parent_;
};
