#include "bindings/KeyboardMapDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Korvex.h"
#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "bindings/KeyboardMap.h"
#include "bindings/KeyboardWidget.h"

namespace korvex {
namespace {

// Keys sort as korvex-cli keymap sorts them: without regard to letter case.
class KeyMapItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

QString PointingHint(MapClicks clicks) {
    return clicks == MapClicks::SelectMacros ? QStringLiteral("Point at a key to see what it does; click it to select its macros.")
                                             : QStringLiteral("Point at a key to see what it does; click it to mark it.");
}

QString SummaryOf(const KeyMap& map) {
    int shared = 0;
    for (const KeyMapKey& key : map.keys)
        if (KeyKindOf(map, key) == KeyKind::Shared) ++shared;
    return QStringLiteral("%1 keys bound, %2 of them by several macros").arg(map.keys.size()).arg(shared);
}

}  // namespace

KeyboardMapDialog::KeyboardMapDialog(KeyMap map, MacroSelection selectMacros, QWidget* parent)
    : QDialog(parent),
      map_(std::move(map)),
      selectMacros_(std::move(selectMacros)),
      clicks_(selectMacros_ ? MapClicks::SelectMacros : MapClicks::HighlightOnly),
      keyboard_(new KeyboardWidget(map_, this)),
      keyLine_(new QLabel(PointingHint(clicks_), this)),
      chordList_(new QLabel(this)),
      table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("KeyboardMapDialog"));
    setWindowTitle(QStringLiteral("Keyboard map - ") + ToQString(map_.player));
    setModal(true);
    keyLine_->setObjectName(QStringLiteral("KeyLine"));
    keyLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chordList_->setObjectName(QStringLiteral("ChordList"));
    chordList_->setWordWrap(true);
    chordList_->hide();

    table_->setObjectName(QStringLiteral("KeyMapTable"));
    table_->setToolTip(clicks_ == MapClicks::SelectMacros
                           ? QStringLiteral("Every bound key with what it runs and the macros that bind it; "
                                            "click a heading to sort, a line to select its macros")
                           : QStringLiteral("Every bound key with what it runs and the macros that bind it; "
                                            "click a heading to sort"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Command"), QStringLiteral("Macros")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    FillTable();

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setToolTip(QStringLiteral("Close the keyboard map"));
    close->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keyboard_);
    layout->addWidget(keyLine_);
    layout->addWidget(chordList_);
    layout->addWidget(table_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(SummaryOf(map_), this));
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);

    connect(keyboard_, &KeyboardWidget::KeyHovered, this, &KeyboardMapDialog::ShowHovered);
    connect(keyboard_, &KeyboardWidget::KeyClicked, this, &KeyboardMapDialog::SelectKey);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &KeyboardMapDialog::TableSelectionChanged);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(keyboard_->sizeHint().width() + 24, 640);
}

void KeyboardMapDialog::FillTable() {
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(map_.keys.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const KeyMapKey& key = map_.keys[row];
        const QString cells[] = {ToQString(key.key), ToQString(key.command), ToQString(MacroListOf(key))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new KeyMapItem(cells[column]);
            if (column == 0) item->setBackground(keyboard_->TintOf(KeyKindOf(map_, key)));
            table_->setItem(row, column, item);
        }
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    // After the sort, so that the heading's width counts its sort mark.
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(1);
}

void KeyboardMapDialog::ShowHovered(const QString& name) {
    if (name.isEmpty()) {
        keyLine_->setText(PointingHint(clicks_));
        keyboard_->setToolTip(PointingHint(clicks_));
        return;
    }
    const KeyOnBoard board = KeyOnBoardOf(map_, FromQString(name));
    QString text = ToQString(KeyLineText(FromQString(name), board.binding));
    if (!board.chords.empty()) text += QStringLiteral("; modifier of chords (%1, click to list them)").arg(board.chords.size());
    keyLine_->setText(text);
    keyboard_->setToolTip(text);
}

void KeyboardMapDialog::SelectKey(const QString& name) {
    const KeyOnBoard board = KeyOnBoardOf(map_, FromQString(name));
    std::vector<const KeyMapKey*> keys = board.chords;
    if (board.binding) keys.insert(keys.begin(), board.binding);
    keyboard_->SetSelected(name);
    SelectMacros(keys);

    QStringList chords;
    for (const KeyMapKey* chord : board.chords) chords << ToQString(KeyLineText(chord->key, chord));
    chordList_->setText(QStringLiteral("Chords with %1:\n").arg(name) + chords.join(QLatin1Char('\n')));
    chordList_->setVisible(!chords.isEmpty());

    if (selecting_) return;
    selecting_ = true;
    table_->clearSelection();
    const QString shown = keys.empty() ? QString() : ToQString(keys.front()->key);
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, 0)->text() != shown) continue;
        table_->selectRow(row);
        table_->scrollToItem(table_->item(row, 0));
    }
    selecting_ = false;
}

void KeyboardMapDialog::TableSelectionChanged() {
    if (selecting_) return;
    const auto rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    const std::string key = FromQString(table_->item(rows.first().row(), 0)->text());
    const KeyMapKey* mapped = FindMappedKey(map_, key);
    selecting_ = true;
    if (mapped && mapped->IsChord()) {
        keyboard_->SetSelected(ToQString(mapped->Modifier()));
        SelectMacros({mapped});
    } else {
        SelectKey(ToQString(key));
    }
    selecting_ = false;
}

void KeyboardMapDialog::SelectMacros(const std::vector<const KeyMapKey*>& keys) {
    if (selectMacros_) selectMacros_(map_, keys);
}

void ShowKeyboardMap(Korvex& app, QWidget* parent) {
    KeyMap map;
    if (!KeyMapOfShownPlayer(app, map, MapClicks::SelectMacros)) return;
    KeyboardMapDialog dialog(
        std::move(map),
        [&app](const KeyMap& shown, const std::vector<const KeyMapKey*>& keys) {
            SelectMacrosOfKeys(app.host, app.player, app.macroLists, shown, keys);
        },
        parent);
    MoveToScreenCentre(dialog);
    dialog.exec();
}

void RunKeyMapDialog(const KeyMap& map) {
    KeyboardMapDialog dialog(map);
    MoveToScreenCentre(dialog);
    dialog.exec();
}

}  // namespace korvex
