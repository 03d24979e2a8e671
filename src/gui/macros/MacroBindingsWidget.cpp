#include "macros/MacroBindingsWidget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "bindings/BindingOverview.h"
#include "bindings/IncludedMacroKeys.h"
#include "bindings/KeyboardMapDialog.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroCatalogue.h"

namespace korvex {
namespace {

QListWidget* NewMacroList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

// Replaces the items and selections of a list; nothing happens when they are the same.
void ShowItems(QListWidget& list, const std::vector<std::string>& items, const std::vector<bool>& selected) {
    bool same = list.count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == ToQString(items[i]);
    if (!same) {
        list.clear();
        for (const std::string& item : items) list.addItem(ToQString(item));
    }
    for (int i = 0; i < list.count(); ++i)
        list.item(i)->setSelected(static_cast<std::size_t>(i) < selected.size() && selected[i]);
}

std::vector<bool> SelectionOf(const QListWidget& list) {
    std::vector<bool> selected;
    for (int i = 0; i < list.count(); ++i) selected.push_back(list.item(i)->isSelected());
    return selected;
}

}  // namespace

MacroBindingsWidget::MacroBindingsWidget(Korvex& app, QWidget* parent)
    : QWidget(parent), app_(app), MacroCat(new QComboBox(this)), AvailMacros(NewMacroList("AvailMacros", this)),
      IncludedMacros(NewMacroList("IncludedMacros", this)),
      BitBtn18(new QPushButton(QStringLiteral("Macro Information"), this)),
      BitBtn13(new QPushButton(QStringLiteral("Add to Config"), this)),
      BitBtn14(new QPushButton(QStringLiteral("Remove from Config"), this)),
      BitBtn15(new QPushButton(QStringLiteral("Key Binding Information"), this)),
      KeyboardMapBtn(new QPushButton(QStringLiteral("Keyboard map"), this)) {
    MacroCat->setObjectName(QStringLiteral("MacroCat"));
    MacroCat->setPlaceholderText(QString::fromLatin1(kChooseCategoryText));
    MacroCat->setToolTip(QStringLiteral("choose a category to list the macros it holds"));
    AvailMacros->setToolTip(QStringLiteral("the macros of the chosen category: select one to read about it or to add it "
                                           "to this Player-CFG"));
    IncludedMacros->setToolTip(QStringLiteral("the macros this Player-CFG includes, with the keys you bound them to"));
    BitBtn18->setObjectName(QStringLiteral("BitBtn18"));
    BitBtn18->setToolTip(QStringLiteral("tells what the selected macros do; a double-click on a macro does the same"));
    BitBtn13->setObjectName(QStringLiteral("BitBtn13"));
    BitBtn13->setToolTip(QStringLiteral("Add the selected macros to this Player-CFG and bind their functions to keys"));
    BitBtn14->setObjectName(QStringLiteral("BitBtn14"));
    BitBtn14->setToolTip(QStringLiteral("Take the selected included macros out of this Player-CFG"));
    BitBtn15->setObjectName(QStringLiteral("BitBtn15"));
    BitBtn15->setToolTip(QStringLiteral("Show and change the keys of the selected included macros"));
    KeyboardMapBtn->setObjectName(QStringLiteral("KeyboardMapBtn"));
    KeyboardMapBtn->setToolTip(QStringLiteral("Show every key this Player-CFG binds on a drawn keyboard, with the "
                                              "macros each key comes from"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(MacroCat, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Included macros"), this), 0, 1);
    layout->addWidget(AvailMacros, 1, 0);
    layout->addWidget(IncludedMacros, 1, 1);
    layout->addWidget(BitBtn18, 2, 0);
    auto* inclusion = new QGridLayout;
    inclusion->addWidget(BitBtn13, 0, 0);
    inclusion->addWidget(BitBtn14, 0, 1);
    inclusion->addWidget(BitBtn15, 1, 0);
    inclusion->addWidget(KeyboardMapBtn, 1, 1);
    layout->addLayout(inclusion, 2, 1, 2, 1);
    // Tab goes from the macros on offer to adding them before it enters the included ones,
    // whose focus would clear the selection that "Add to Config" adds.
    const QList<QWidget*> keyboardOrder = {MacroCat, AvailMacros, BitBtn13, BitBtn18,
                                           IncludedMacros, BitBtn14, BitBtn15, KeyboardMapBtn};
    for (qsizetype i = 0; i + 1 < keyboardOrder.size(); ++i) setTabOrder(keyboardOrder[i], keyboardOrder[i + 1]);

    connect(MacroCat, &QComboBox::currentIndexChanged, this, &MacroBindingsWidget::MacroCatChange);
    connect(AvailMacros, &QListWidget::itemSelectionChanged, this, &MacroBindingsWidget::StoreAvailSelection);
    connect(IncludedMacros, &QListWidget::itemSelectionChanged, this, &MacroBindingsWidget::StoreIncludedSelection);
    connect(AvailMacros, &QListWidget::itemDoubleClicked, this, &MacroBindingsWidget::BitBtn18Click);
    connect(BitBtn18, &QPushButton::clicked, this, &MacroBindingsWidget::BitBtn18Click);
    connect(BitBtn13, &QPushButton::clicked, this, &MacroBindingsWidget::BitBtn13Click);
    connect(BitBtn14, &QPushButton::clicked, this, &MacroBindingsWidget::BitBtn14Click);
    connect(BitBtn15, &QPushButton::clicked, this, &MacroBindingsWidget::BitBtn15Click);
    connect(KeyboardMapBtn, &QPushButton::clicked, this, &MacroBindingsWidget::KeyboardMapClick);
    connect(IncludedMacros, &QListWidget::itemDoubleClicked, this, &MacroBindingsWidget::BitBtn15Click);
    AvailMacros->installEventFilter(this);
    IncludedMacros->installEventFilter(this);
}

void MacroBindingsWidget::SyncFromCore() {
    syncing_ = true;
    const MacroBindingsView& lists = app_.macroLists;
    if (MacroCat->count() != static_cast<int>(lists.categories.size())) {
        MacroCat->clear();
        for (const std::string& category : lists.categories) MacroCat->addItem(ToQString(category));
    }
    // The prompt "Choose a macro category" is no item: it shows while no index is current.
    MacroCat->setCurrentIndex(MacroCat->findText(ToQString(lists.categoryText)));
    ShowItems(*AvailMacros, lists.availMacros, lists.availSelected);
    std::vector<std::string> included;
    for (const MacroKeys& macro : IncludedMacroKeys(app_.macroCatalogue, app_.player, app_.currentPlayerDir))
        included.push_back(IncludedMacroItemText(macro));
    ShowItems(*IncludedMacros, included, lists.includedSelected);
    syncing_ = false;
}

// Entering one list clears the selection of the other.
bool MacroBindingsWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == AvailMacros) AvailMacrosEnter(app_.player, app_.macroLists);
        if (watched == IncludedMacros) IncludedMacrosEnter(app_.macroLists);
        SyncFromCore();
    }
    return QWidget::eventFilter(watched, event);
}

void MacroBindingsWidget::MacroCatChange(int index) {
    if (syncing_ || index < 0) return;
    ShowMacrosOfCategory(app_.macroCatalogue, app_.macroLists, FromQString(MacroCat->itemText(index)));
    SyncFromCore();
}

void MacroBindingsWidget::StoreAvailSelection() {
    if (!syncing_) app_.macroLists.availSelected = SelectionOf(*AvailMacros);
}

void MacroBindingsWidget::StoreIncludedSelection() {
    if (!syncing_) app_.macroLists.includedSelected = SelectionOf(*IncludedMacros);
}

void MacroBindingsWidget::BitBtn18Click() {
    ShowMacroInformation(app_.report, app_.macroCatalogue, app_.macroLists);
    SyncFromCore();
}

void MacroBindingsWidget::BitBtn13Click() {
    AddToConfig(app_);
    SyncFromCore();
}

void MacroBindingsWidget::BitBtn14Click() {
    RemoveFromConfig(app_);
    SyncFromCore();
}

void MacroBindingsWidget::BitBtn15Click() {
    ShowKeyBindingOverview(app_);
    SyncFromCore();
}

void MacroBindingsWidget::KeyboardMapClick() {
    ShowKeyboardMap(app_, this);
    SyncFromCore();
}

}  // namespace korvex
