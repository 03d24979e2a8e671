#include "mods/ModLauncherPage.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/GroupPage.h"
#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "install/InstallIdentification.h"
#include "install/ModInstallation.h"
#include "mods/Launcher.h"
#include "mods/ModIdentification.h"
#include "mods/ModMaintenance.h"

namespace korvex {
namespace {

bool SameNodes(const std::vector<ModNode>& a, const std::vector<ModNode>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].text != b[i].text || a[i].players != b[i].players) return false;
    return true;
}

std::string TextOf(const QTreeWidgetItem* item) { return FromQString(item->text(0)); }

}  // namespace

ModLauncherPage::ModLauncherPage(Korvex& app, QWidget* parent) : QWidget(parent), app_(app), tree_(new QTreeWidget) {
    auto* layout = new QVBoxLayout(AddPageGroup(*this, QStringLiteral("MOD-Launcher")));
    layout->addWidget(new QLabel(QStringLiteral("Available Modifications")));
    tree_->setObjectName(QStringLiteral("AvailMODs"));
    tree_->setToolTip(QStringLiteral("select a MOD to edit or a Player-CFG to launch a server with"));
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->viewport()->installEventFilter(this);
    tree_->installEventFilter(this);
    layout->addWidget(tree_, 1);

    // The edit and the launch button stand at the same place; the selection decides which shows.
    editOptions_ = AddActionButton(
        *layout, QStringLiteral("Edit MOD's options and assign Players to MOD"), "EditMODOptionsButton",
        QStringLiteral("click here to tell Korvex what player-config you wish to use with what mod; tell Quake II to "
                       "load a custom map at beginning..."),
        [](Korvex& app) { EditModOptions(app); });
    launch_ = AddActionButton(*layout, QStringLiteral("Launch Quake II with selected MOD and Player"),
                              "LaunchQuakeIIButton",
                              QStringLiteral("click here to start Quake II with the selected player-config and modification"),
                              [](Korvex& app) { LaunchSelectedPlayer(app); });
    for (QPushButton* button : {editOptions_, launch_}) button->setMinimumHeight(40);

    auto* maintenance = new QHBoxLayout;
    layout->addLayout(maintenance);
    AddActionButton(*maintenance, QStringLiteral("Add Server-Side-Only-MOD to connect to"), "ServerSideButton",
                    QStringLiteral("click here to add a modification to the list which needs no files to be / become "
                                   "installed"),
                    [](Korvex& app) { ServerSideButtonClick(app.report, app.paths, app.modTree); });
    AddActionButton(*maintenance, QStringLiteral("Remove MOD"), "RemoveMODButton",
                    QStringLiteral("remove and/or delete the selected modification"),
                    [](Korvex& app) { RemoveMODButtonClick(app.report, app.paths, app.modTree); });
    AddActionButton(*maintenance, QStringLiteral("Rename MOD"), "RenameMODButton",
                    QStringLiteral("rename the name of the modifcation and/or the directory where it's located"),
                    [](Korvex& app) { RenameMODButtonClick(app.report, app.paths, app.modTree); });

    auto* installation = new QHBoxLayout;
    layout->addLayout(installation);
    AddActionButton(*installation, QStringLiteral("Install new MOD"), "InstallNewMODButton",
                    QStringLiteral("install a modification from ZIP or self-extracting archives or its setup program"),
                    InstallNewMODButtonClick);
    AddActionButton(*installation, QStringLiteral("Add existing MOD"), "AddExistingMODButton",
                    QStringLiteral("identify a modification that is already on your disk and move it into place"),
                    AddExistingMODBtnClick);
    AddActionButton(*installation, QStringLiteral("Initiate Complete MOD-Scan"), "CompleteMODScanButton",
                    QStringLiteral("scan for all known modifications in your Quake II - Directory"),
                    [](Korvex& app) { RunCompleteModScan(app, true); });

    // The selection counts, not the current node: the tree makes its first node current,
    // unselected, when it takes the focus.
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
        AvailMODsChange(selected.isEmpty() ? nullptr : selected.front());
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { AvailMODsDblClick(); });
    SyncFromCore();
}

QPushButton* ModLauncherPage::AddActionButton(QBoxLayout& layout, const QString& caption, const char* name,
                                              const QString& hint, void (*handler)(Korvex&)) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    layout.addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, handler] {
        handler(app_);
        tree_->setFocus();
    });
    return button;
}

void ModLauncherPage::SyncFromCore() {
    if (!SameNodes(shown_, app_.modTree.mods)) RebuildTree();
    editOptions_->setVisible(EditModOptionsButtonVisible(app_.modTree));
    launch_->setVisible(LaunchQuakeIIButtonVisible(app_.modTree));
}

// The tree is built again from the core, keeping which MODs were expanded and the selection.
void ModLauncherPage::RebuildTree() {
    std::vector<std::string> expanded;
    for (int row = 0; row < tree_->topLevelItemCount(); ++row)
        if (tree_->topLevelItem(row)->isExpanded()) expanded.push_back(TextOf(tree_->topLevelItem(row)));
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    const auto& selected = app_.modTree.selected;
    QTreeWidgetItem* current = nullptr;
    for (const ModNode& mod : app_.modTree.mods) {
        auto* item = new QTreeWidgetItem(tree_, QStringList(ToQString(mod.text)));
        item->setExpanded(std::find(expanded.begin(), expanded.end(), mod.text) != expanded.end());
        if (selected && selected->modText == mod.text && !selected->player) current = item;
        for (const std::string& player : mod.players) {
            auto* child = new QTreeWidgetItem(item, QStringList(ToQString(player)));
            if (selected && selected->modText == mod.text && selected->player == player && !current) current = child;
        }
    }
    if (current) tree_->setCurrentItem(current);
    else app_.modTree.selected.reset();
    shown_ = app_.modTree.mods;
}

void ModLauncherPage::AvailMODsChange(QTreeWidgetItem* current) {
    if (!current) {
        app_.modTree.selected.reset();
    } else if (QTreeWidgetItem* parent = current->parent()) {
        app_.modTree.selected = ModSelection{TextOf(parent), TextOf(current)};
    } else {
        app_.modTree.selected = ModSelection{TextOf(current), std::nullopt};
    }
    SyncFromCore();
}

// Only the node under the remembered press that is also the selected one counts.
void ModLauncherPage::AvailMODsDblClick() {
    if (tree_->itemAt(mouseDown_) != tree_->currentItem() || !tree_->currentItem()) return;
    if (korvex::AvailMODsDblClick(app_)) tree_->setFocus();
}

bool ModLauncherPage::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a selected Player-CFG launches, as the launch button does.
    if (watched == tree_ && event->type() == QEvent::KeyPress && LaunchQuakeIIButtonVisible(app_.modTree)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            launch_->click();
            return true;
        }
    }
    if (watched == tree_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) mouseDown_ = mouse->position().toPoint();
        // A right click selects the node under it, as a left click does.
        if (mouse->button() == Qt::RightButton) {
            if (QTreeWidgetItem* item = tree_->itemAt(mouse->position().toPoint())) tree_->setCurrentItem(item);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvex
