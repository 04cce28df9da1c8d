#pragma once

#include <QWidget>

#include "mainobj/explorer/exploredObjects.h"

class QTreeWidget;
class QTreeWidgetItem;

// The object explorer: the objects "explore" took, as a tree that shows each object's class,
// own variables with their values and own procedures. One window; a later "explore" replaces
// what it shows.
class tObjectExplorer : public QWidget {
public:
    tObjectExplorer();
    void Show(const tExploredObject& explored);
    QTreeWidget& Tree() { return *tree_; }

private:
    void Add(QTreeWidgetItem* parent, const tExploredObject& explored);

    QTreeWidget* tree_;
};

// The window's explorer front: shows on the window thread, and answers "explorer?" and
// "closeExplorer" there.
class tQtExplorerFront : public tExplorerFront {
public:
    void Show(tExploredObject explored) override;
    bool IsOpen() override;
    void Close() override;
};
