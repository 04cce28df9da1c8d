#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "platform/editor/tEditorWindow.h"
#include "platform/editor/tObjectExplorer.h"
#include "platform/editor/tQtEditorFront.h"
#include "processes/tQueuedWindowThread.h"

namespace {

class EditorWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argumentCount = 1;
        static char name[] = "editor_tests";
        static char* arguments[] = {name, nullptr};
        application = std::make_unique<QApplication>(argumentCount, arguments);
    }

    // Closed editors delete themselves later; they must go before the application does.
    static void TearDownTestSuite()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        application.reset();
    }

    // The editor windows that are open now.
    static std::vector<tEditorWindow*> Editors()
    {
        std::vector<tEditorWindow*> editors;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* editor = dynamic_cast<tEditorWindow*>(widget); editor && editor->isVisible())
                editors.push_back(editor);
        return editors;
    }

    static std::unique_ptr<QApplication> application;
};

std::unique_ptr<QApplication> EditorWindow::application;

// "edit" hands the definitions over from a process: the window opens on the window thread, and
// "Define" types the text as it then stands, line by line, as the command area would.
TEST_F(EditorWindow, DefineTypesTheEditedTextLineByLine)
{
    tQueuedWindowThread window;
    installWindowThread(&window);
    std::vector<std::string> typed;
    tQtEditorFront front([&](std::string line) { typed.push_back(std::move(line)); });
    front.Open("square", "to square\r\nend");
    EXPECT_TRUE(Editors().empty());
    window.RunPending();
    std::vector<tEditorWindow*> editors = Editors();
    ASSERT_EQ(editors.size(), 1u);
    tEditorWindow& editor = *editors.front();
    EXPECT_EQ(editor.Text().toPlainText(), QStringLiteral("to square\nend"));
    EXPECT_TRUE(editor.windowTitle().endsWith(QStringLiteral("square")));
    editor.Text().setPlainText(QStringLiteral("to square\nrepeat 4 [fd 50 rt 90]\nend\n\nto café\nend"));
    editor.DefineButton().click();
    EXPECT_EQ(typed, (std::vector<std::string>{"to square", "repeat 4 [fd 50 rt 90]", "end", "", "to caf\xE9", "end"}));
    // The window stays for more changes; closing it takes it away.
    EXPECT_EQ(Editors().size(), 1u);
    editor.close();
    EXPECT_TRUE(Editors().empty());
    installWindowThread(nullptr);
}

// The explorer shows the objects it was given as a tree: name and class, then variables with
// their values, procedures, and the objects held, each under its holder.
TEST_F(EditorWindow, TheExplorerShowsObjectsAsATree)
{
    tExploredObject page{"page1", "page", {}, {}, {}};
    page.held.push_back({"rex", "dog", {{"mood", "happy"}}, {"bark"}, {}});
    tExploredObject main{"", "", {{"size", "5"}}, {"square"}, {page}};
    tObjectExplorer explorer;
    explorer.Show(main);
    QTreeWidget& tree = explorer.Tree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree.topLevelItem(0);
    EXPECT_EQ(top->text(0), QStringLiteral("main"));
    ASSERT_EQ(top->childCount(), 3);
    EXPECT_EQ(top->child(0)->text(0), QStringLiteral(":size"));
    EXPECT_EQ(top->child(0)->text(1), QStringLiteral("5"));
    EXPECT_EQ(top->child(1)->text(0), QStringLiteral("to square"));
    QTreeWidgetItem* rex = top->child(2)->child(0);
    EXPECT_EQ(rex->text(0), QStringLiteral("rex"));
    EXPECT_EQ(rex->text(1), QStringLiteral("dog"));
    EXPECT_EQ(rex->child(0)->text(1), QStringLiteral("happy"));
    // A second look replaces the first.
    explorer.Show(page);
    EXPECT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QStringLiteral("page1"));
}

}  // namespace
