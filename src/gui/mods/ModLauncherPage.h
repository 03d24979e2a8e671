// The MOD-Launcher page: the tree of MODs with their Player-CFGs, the launch button and the
// MOD maintenance buttons.
#pragma once

#include <QPoint>
#include <QWidget>
#include <string>
#include <vector>

#include "mods/ModTree.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QBoxLayout;

namespace korvex {

struct Korvex;

class ModLauncherPage : public QWidget {
    Q_OBJECT
public:
    explicit ModLauncherPage(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();
    QTreeWidget* Tree() const { return tree_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RebuildTree();
    void AvailMODsChange(QTreeWidgetItem* current);
    void AvailMODsDblClick();
    QPushButton* AddActionButton(QBoxLayout& layout, const QString& caption, const char* name, const QString& hint,
                                 void (*handler)(Korvex&));

    Korvex& app_;
    QTreeWidget* tree_;
    QPushButton* editOptions_;
    QPushButton* launch_;
    std::vector<ModNode> shown_;  // what the tree shows, to rebuild it only when the core changed
    QPoint mouseDown_;
};

}  // namespace korvex
