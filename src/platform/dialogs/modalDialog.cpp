#include "platform/dialogs/modalDialog.h"

#include <QDialog>
#include <QPointer>

#include <memory>

tDialogFront::tAnswered answerOnce(tDialogFront::tAnswered answered)
{
    auto given = std::make_shared<bool>(false);
    return [given, answered = std::move(answered)](tDialogAnswer answer) {
        if (*given) return;
        *given = true;
        answered(std::move(answer));
    };
}

tDialogFront::tCloser openModal(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return [shown = QPointer<QDialog>(dialog)] {
        if (shown) shown->reject();
    };
}
