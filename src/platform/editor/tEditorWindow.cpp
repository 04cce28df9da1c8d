#include "platform/editor/tEditorWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/window/windowText.h"

tEditorWindow::tEditorWindow(const std::string& title, const std::string& text, tDefine define)
    : text_(new QPlainTextEdit), define_(new QPushButton(QStringLiteral("Define"))), defineText_(std::move(define))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zembrix editor - ") + fromLogoText(title));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(fromLogoText(text));
    define_->setToolTip(QStringLiteral("Defines what the text says (Ctrl+D)"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(define_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    connect(define_, &QPushButton::clicked, this, [this] { Define(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(shortcut, &QShortcut::activated, this, [this] { Define(); });
    resize(560, 420);
}

void tEditorWindow::Define()
{
    if (defineText_) defineText_(toLogoText(text_->toPlainText()));
}
