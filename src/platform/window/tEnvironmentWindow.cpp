#include "platform/window/tEnvironmentWindow.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>

#include "mainobj/keyboard/tKeyboardState.h"
#include "platform/window/selectionKeys.h"
#include "platform/window/tCommandLine.h"
#include "platform/window/tPageView.h"
#include "platform/window/windowKeys.h"
#include "platform/window/windowText.h"
#include "processes/tallthreads.h"
#include "turtle/undoStore.h"

namespace {

constexpr int kOutputLines = 10000;

QColor colourOf(tOutputKind kind)
{
    switch (kind) {
    case tOutputKind::kError: return QColor(0xB0, 0x00, 0x20);
    case tOutputKind::kTyped: return QColor(0x30, 0x50, 0x90);
    case tOutputKind::kPrinted: break;
    }
    return QColor(Qt::black);
}

}  // namespace

tEnvironmentWindow::tEnvironmentWindow()
    : page_(new tPageView),
      output_(new QPlainTextEdit),
      command_(new tCommandLine),
      stop_(new QPushButton(QStringLiteral("Stop"))),
      undo_(new QPushButton(QStringLiteral("Undo"))),
      commander_(std::make_shared<tWindowCommander>([this](const std::vector<tOutputPiece>& pieces) { Append(pieces); }))
{
    setWindowTitle(QStringLiteral("Zembrix"));

    auto* pageArea = new QScrollArea;
    pageArea->setWidget(page_);
    pageArea->setWidgetResizable(true);
    pageArea->setFrameShape(QFrame::NoFrame);

    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(kOutputLines);
    output_->setFont(fixed);
    output_->setFocusPolicy(Qt::ClickFocus);
    command_->setFont(fixed);
    command_->setPlaceholderText(QStringLiteral("Type Logo here and press Enter"));
    stop_->setToolTip(QStringLiteral("Stops every running process"));
    stop_->setFocusPolicy(Qt::NoFocus);
    undo_->setToolTip(QStringLiteral("Takes the page back to its picture saved by saveforundo (Ctrl+Z on the page)"));
    undo_->setFocusPolicy(Qt::NoFocus);

    auto* commandRow = new QHBoxLayout;
    commandRow->setContentsMargins(0, 0, 0, 0);
    commandRow->addWidget(command_, 1);
    commandRow->addWidget(undo_);
    commandRow->addWidget(stop_);
    auto* commandArea = new QWidget;
    auto* commandColumn = new QVBoxLayout(commandArea);
    commandColumn->setContentsMargins(4, 4, 4, 4);
    commandColumn->addWidget(output_, 1);
    commandColumn->addLayout(commandRow);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(pageArea);
    split->addWidget(commandArea);
    split->setStretchFactor(0, 1);
    split->setSizes({510, 190});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MakeMenuBar());
    layout->addWidget(split);
    resize(820, 720);

    for (QWidget* watched : {static_cast<QWidget*>(page_), static_cast<QWidget*>(output_), static_cast<QWidget*>(command_)})
        watched->installEventFilter(this);
    connect(command_, &QLineEdit::returnPressed, this, [this] { EnterLine(); });
    connect(stop_, &QPushButton::clicked, this, [this] { StopAllProcesses(); });
    connect(undo_, &QPushButton::clicked, this, [this] { UndoDrawing(); });
    command_->setFocus();
}

// "Accept Key Menu" shows and switches the window object's "acceptKeyMenu", which programs may
// change too: the check mark is brought up to date whenever the menu opens.
QMenuBar* tEnvironmentWindow::MakeMenuBar()
{
    auto* bar = new QMenuBar;
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    QAction* undo = edit->addAction(QStringLiteral("&Undo drawing"));
    connect(undo, &QAction::triggered, this, [this] { UndoDrawing(); });
    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    acceptKeyMenu_ = options->addAction(QStringLiteral("Accept Key Menu"));
    acceptKeyMenu_->setCheckable(true);
    connect(options, &QMenu::aboutToShow, this,
            [this] { acceptKeyMenu_->setChecked(keyboardState().acceptKeyMenu.load()); });
    connect(acceptKeyMenu_, &QAction::triggered, this,
            [](bool checked) { keyboardState().acceptKeyMenu.store(checked); });
    return bar;
}

// The commander outlives the window (processes hold it): nothing it hands over may reach the
// widgets once they are gone.
tEnvironmentWindow::~tEnvironmentWindow() { commander_->Detach(); }

void tEnvironmentWindow::ShowPage(tlogopage* page, tgrScreen* screen) { page_->ShowPage(page, screen); }

void tEnvironmentWindow::EnterLine()
{
    const QString line = command_->TakeLine();
    commander_->Write(tOutputKind::kTyped, toLogoText(line) + "\n");
    commander_->TypeLine(toLogoText(line));
}

// Stopping waits for the processes to end while the window keeps serving them; a second
// click meanwhile has nothing more to do.
void tEnvironmentWindow::StopAllProcesses()
{
    if (stopping_) return;
    stopping_ = true;
    stop_->setEnabled(false);
    tallthreads::Instance().StopAll();
    stop_->setEnabled(true);
    stopping_ = false;
}

// The store swaps its copy with the surface's picture, so a second undo redoes.
void tEnvironmentWindow::UndoDrawing()
{
    if (undoDrawing()) page_->Refresh();
}

void tEnvironmentWindow::Append(const std::vector<tOutputPiece>& pieces)
{
    QTextCursor end(output_->document());
    end.movePosition(QTextCursor::End);
    for (const tOutputPiece& piece : pieces) {
        QTextCharFormat format;
        format.setForeground(colourOf(piece.kind));
        end.insertText(fromLogoText(piece.text), format);
    }
    output_->setTextCursor(end);
    output_->ensureCursorVisible();
}

void tEnvironmentWindow::closeEvent(QCloseEvent* event)
{
    if (!closer_) {
        commander_->Detach();
        event->accept();
        return;
    }
    event->ignore();
    closer_();
}

bool tEnvironmentWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == page_ && key->type() == QEvent::KeyPress) {
            if (key->matches(QKeySequence::Undo)) UndoDrawing();
            // Typed on the page only: in the text fields these keys edit the text.
            actOnSelection(selectionKeyOf(*key));
        }
        // Qt repeats a held key as release and press pairs; the keyboard handling expects
        // repeated presses only.
        if (!(key->isAutoRepeat() && event->type() == QEvent::KeyRelease))
            keyMessageArrived(keyMessageOf(*key, watched != page_));
    }
    return QWidget::eventFilter(watched, event);
}
