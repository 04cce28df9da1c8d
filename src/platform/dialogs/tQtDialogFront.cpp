#include "platform/dialogs/tQtDialogFront.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <map>
#include <memory>

#include "platform/dialogs/modalDialog.h"
#include "platform/window/windowText.h"

namespace {

// File names are the file system's bytes, not words of the code page.
QString fromFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
std::string toFileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

tDialogAnswer chosen(int code, std::string text = {}, uint32_t colour = 0)
{
    return {false, code, std::move(text), colour};
}

QMessageBox::Icon iconOf(tDialogIcon icon)
{
    switch (icon) {
        case tDialogIcon::kStop: return QMessageBox::Critical;
        case tDialogIcon::kQuestion: return QMessageBox::Question;
        case tDialogIcon::kWarning: return QMessageBox::Warning;
        case tDialogIcon::kInformation: return QMessageBox::Information;
        case tDialogIcon::kNone: break;
    }
    return QMessageBox::NoIcon;
}

// The role lays the buttons out as the platform expects: 2 Cancel, 3 Abort decline; 6 Yes,
// 7 No answer; the others accept.
QMessageBox::ButtonRole roleOf(int code)
{
    switch (code) {
        case 2:
        case 3: return QMessageBox::RejectRole;
        case 6: return QMessageBox::YesRole;
        case 7: return QMessageBox::NoRole;
        default: return QMessageBox::AcceptRole;
    }
}

// Linux file systems tell letter case apart; the program's own files are often written with
// upper-case extensions, so each pattern is offered in both cases.
QString filterText(const tFileFilter& filter)
{
    QStringList patterns;
    for (const std::string& pattern : filter.patterns) {
        const QString given = fromFileName(pattern);
        patterns << given.toLower();
        if (given.toUpper() != given.toLower()) patterns << given.toUpper();
    }
    return fromLogoText(filter.description) + " (" + patterns.join(' ') + ")";
}

}  // namespace

tDialogFront::tCloser tQtDialogFront::ShowMessage(const tMessageRequest& request, tAnswered answered)
{
    auto* box = new QMessageBox(parent_);
    box->setWindowTitle(fromLogoText(request.caption));
    box->setText(fromLogoText(request.text));
    box->setIcon(iconOf(request.icon));
    auto codes = std::make_shared<std::map<QAbstractButton*, int>>();
    for (const tDialogButton& button : request.buttons) {
        QPushButton* made = box->addButton(fromLogoText(button.label), roleOf(button.code));
        (*codes)[made] = button.code;
        if (button.code == request.escapeCode) box->setEscapeButton(made);
        if (codes->size() == 1) box->setDefaultButton(made);
    }
    QObject::connect(box, &QDialog::finished, box, [box, codes, answered = answerOnce(std::move(answered))](int) {
        const auto pressed = codes->find(box->clickedButton());
        answered(pressed == codes->end() ? tDialogAnswer{} : chosen(pressed->second));
    });
    return openModal(box);
}

tDialogFront::tCloser tQtDialogFront::ShowLineInput(const tLineRequest& request, tAnswered answered)
{
    auto* dialog = new QInputDialog(parent_);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(fromLogoText(request.caption));
    dialog->setLabelText(fromLogoText(request.prompt));
    dialog->setTextValue(fromLogoText(request.initial));
    if (!request.okLabel.empty()) dialog->setOkButtonText(fromLogoText(request.okLabel));
    if (!request.cancelLabel.empty()) dialog->setCancelButtonText(fromLogoText(request.cancelLabel));
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answered = answerOnce(std::move(answered))](int result) {
        answered(result == QDialog::Accepted ? chosen(0, toLogoText(dialog->textValue())) : tDialogAnswer{});
    });
    return openModal(dialog);
}

tDialogFront::tCloser tQtDialogFront::ShowFileChooser(const tFileRequest& request, tAnswered answered)
{
    // Qt's own dialog rather than the desktop's: it behaves the same everywhere and closes when
    // asked to.
    auto* dialog = new QFileDialog(parent_, fromLogoText(request.caption), fromFileName(request.folder));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const tFileFilter& filter : request.filters) filters << filterText(filter);
    if (!filters.isEmpty()) dialog->setNameFilters(filters);
    if (!request.defaultSuffix.empty()) dialog->setDefaultSuffix(fromFileName(request.defaultSuffix));
    if (!request.name.empty()) dialog->selectFile(fromFileName(request.name));
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answered = answerOnce(std::move(answered))](int result) {
        const QStringList files = dialog->selectedFiles();
        answered(result == QDialog::Accepted && !files.isEmpty() ? chosen(0, toFileName(files.front())) : tDialogAnswer{});
    });
    return openModal(dialog);
}

tDialogFront::tCloser tQtDialogFront::ShowColourChooser(const tColourRequest& request, tAnswered answered)
{
    auto* dialog = new QColorDialog(QColor::fromRgb(request.initial), parent_);
    if (!request.caption.empty()) dialog->setWindowTitle(fromLogoText(request.caption));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answered = answerOnce(std::move(answered))](int result) {
        answered(result == QDialog::Accepted ? chosen(0, {}, dialog->selectedColor().rgb() & 0xFFFFFFu) : tDialogAnswer{});
    });
    return openModal(dialog);
}

tDialogFront::tCloser tQtDialogFront::ShowItemChooser(const tItemsRequest& request, tAnswered answered)
{
    auto* dialog = new QInputDialog(parent_);
    QStringList items;
    for (const std::string& item : request.items) items << fromLogoText(item);
    dialog->setWindowTitle(fromLogoText(request.caption));
    dialog->setLabelText(fromLogoText(request.prompt));
    dialog->setComboBoxItems(items);
    dialog->setComboBoxEditable(false);
    dialog->setOption(QInputDialog::UseListViewForComboBoxItems);
    if (request.initial >= 0 && request.initial < items.size()) dialog->setTextValue(items[request.initial]);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, items, answered = answerOnce(std::move(answered))](int result) {
        const qsizetype index = items.indexOf(dialog->textValue());
        answered(result == QDialog::Accepted && index >= 0 ? chosen(static_cast<int>(index)) : tDialogAnswer{});
    });
    return openModal(dialog);
}

tDialogFront::tCloser tQtDialogFront::ShowPopup(const tPopupRequest& request, tAnswered answered)
{
    auto* menu = new QMenu(parent_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    tAnswered answer = answerOnce(std::move(answered));
    for (size_t i = 0; i < request.items.size(); ++i) {
        if (request.items[i].empty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(fromLogoText(request.items[i]));
        QObject::connect(action, &QAction::triggered, menu, [answer, i] { answer(chosen(static_cast<int>(i))); });
    }
    // The menu hides before the chosen entry reports; a hide that no choice follows cancels.
    QObject::connect(menu, &QMenu::aboutToHide, menu, [answer] { QTimer::singleShot(0, [answer] { answer({}); }); });
    menu->popup(request.at ? QPoint(request.at->first, request.at->second) : QCursor::pos());
    return [shown = QPointer<QMenu>(menu)] {
        if (shown) shown->close();
    };
}
