#include "platform/editor/tObjectExplorer.h"

#include <QHeaderView>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "language/Language.h"
#include "platform/window/windowText.h"
#include "processes/tWindowThread.h"

namespace {

// The one explorer window; gone once closed.
QPointer<tObjectExplorer>& explorerWindow()
{
    static QPointer<tObjectExplorer> window;
    return window;
}

}  // namespace

tObjectExplorer::tObjectExplorer() : tree_(new QTreeWidget)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zembrix objects"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    resize(480, 520);
}

void tObjectExplorer::Show(const tExploredObject& explored)
{
    tree_->clear();
    Add(nullptr, explored);
    tree_->expandAll();
}

void tObjectExplorer::Add(QTreeWidgetItem* parent, const tExploredObject& explored)
{
    const std::string name = explored.name.empty() ? primaryWord("class", "main") : explored.name;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, fromLogoText(name));
    item->setText(1, fromLogoText(explored.kind));
    for (const auto& [variable, value] : explored.variables) {
        auto* row = new QTreeWidgetItem(item);
        row->setText(0, QStringLiteral(":") + fromLogoText(variable));
        row->setText(1, fromLogoText(value));
    }
    for (const std::string& procedure : explored.procedures) {
        auto* row = new QTreeWidgetItem(item);
        row->setText(0, fromLogoText(primaryWord("other", "to") + " " + procedure));
    }
    for (const tExploredObject& held : explored.held) Add(item, held);
}

void tQtExplorerFront::Show(tExploredObject explored)
{
    tWindowThread* window = windowThread();
    if (!window) return;
    window->Post([explored = std::move(explored)] {
        QPointer<tObjectExplorer>& shown = explorerWindow();
        if (!shown) shown = new tObjectExplorer;
        shown->Show(explored);
        shown->show();
        shown->raise();
    });
}

bool tQtExplorerFront::IsOpen()
{
    tWindowThread* window = windowThread();
    if (!window) return false;
    bool open = false;
    window->RunAndWait([&] { open = !explorerWindow().isNull(); });
    return open;
}

void tQtExplorerFront::Close()
{
    if (tWindowThread* window = windowThread())
        window->Post([] {
            if (QPointer<tObjectExplorer>& shown = explorerWindow()) shown->close();
        });
}
