#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "platform/window/tWindowCommander.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class tCommandLine;
class tPageView;
class tgrScreen;
class tlogopage;

// The environment's main window: the shown page above, the output area, the command line and
// the Undo and Stop buttons below; a menu bar with Undo and the "Accept Key Menu" switch. Lines entered go to the commander, which the typed-command runner
// reads; what processes print and the errors they report come back into the output area.
// Keys typed anywhere in the window reach the keyboard handling (key menus, "readkey").
class tEnvironmentWindow : public QWidget {
public:
    tEnvironmentWindow();
    ~tEnvironmentWindow() override;

    const std::shared_ptr<tWindowCommander>& Commander() const { return commander_; }
    // The page to show and its surface, which the caller keeps alive meanwhile.
    void ShowPage(tlogopage* page, tgrScreen* screen);
    // What closing the window does instead of just closing it (the program ends as "bye" ends
    // it).
    void SetCloser(std::function<void()> closer) { closer_ = std::move(closer); }

    tPageView& PageView() const { return *page_; }
    tCommandLine& CommandLine() const { return *command_; }
    QPlainTextEdit& Output() const { return *output_; }
    QPushButton& StopButton() const { return *stop_; }
    QPushButton& UndoButton() const { return *undo_; }
    QAction& AcceptKeyMenuAction() const { return *acceptKeyMenu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* MakeMenuBar();
    void Append(const std::vector<tOutputPiece>& pieces);
    void EnterLine();
    void StopAllProcesses();
    void UndoDrawing();

    tPageView* page_;
    QPlainTextEdit* output_;
    tCommandLine* command_;
    QPushButton* stop_;
    QPushButton* undo_;
    QAction* acceptKeyMenu_ = nullptr;
    std::shared_ptr<tWindowCommander> commander_;
    std::function<void()> closer_;
    bool stopping_ = false;
};
