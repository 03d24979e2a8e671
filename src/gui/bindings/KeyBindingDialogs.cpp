#include "bindings/KeyBindingDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "bindings/BindingOverview.h"
#include "bindings/KeyListText.h"

namespace korvex {
namespace {

void SetUpDialog(QDialog& dialog, const QString& caption, const char* name) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
}

QPushButton* NewButton(QDialog& dialog, const char* caption, const char* name, const char* hint) {
    auto* button = new QPushButton(QString::fromLatin1(caption), &dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

int ExecCentred(QDialog& dialog, int width, int height) {
    dialog.resize(width, height);
    dialog.setMinimumSize(width, height);
    MoveToScreenCentre(dialog);
    return dialog.exec();
}

}  // namespace

OverviewKeyBindingsDialog::OverviewKeyBindingsDialog(const MacroOutput& overview, int selected, QWidget* parent)
    : QDialog(parent), OverviewKeyBindingsListBox(new QListWidget(this)) {
    SetUpDialog(*this, QStringLiteral("Bindings"), "OverviewKeyBindingsDialog");
    OverviewKeyBindingsListBox->setObjectName(QStringLiteral("OverviewKeyBindingsListBox"));
    OverviewKeyBindingsListBox->setToolTip(QStringLiteral("The functions of the macro and their keys; "
                                                          "double-click one to change its keys"));
    OverviewKeyBindingsListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* edit = NewButton(*this, "Edit Bindings", "EditBtn", "Change the keys of the selected function");
    auto* map = NewButton(*this, "Keyboard map", "KeyboardMapBtn",
                          "Show every key this Player-CFG binds on a drawn keyboard, with the macros each key comes "
                          "from (changes made here show once the overview is closed)");
    auto* ok = NewButton(*this, "OK", "OkBtn", "Close the overview and keep the changes");
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Overview: Key Bindings")));
    layout->addWidget(OverviewKeyBindingsListBox);
    auto* row = new QHBoxLayout;
    row->addWidget(map);
    row->addStretch();
    row->addWidget(edit);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(edit, &QPushButton::clicked, this, [this] { Close(OverviewAction::EditBinding); });
    connect(OverviewKeyBindingsListBox, &QListWidget::itemDoubleClicked, this,
            [this] { Close(OverviewAction::EditBinding); });
    connect(map, &QPushButton::clicked, this, [this] { Close(OverviewAction::KeyboardMap); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (const TKey& request : overview.keys) OverviewKeyBindingsListBox->addItem(ToQString(OverviewLine(request)));
    if (selected >= 0 && selected < OverviewKeyBindingsListBox->count())
        OverviewKeyBindingsListBox->setCurrentRow(selected);
    ok->setFocus();
}

OverviewAnswer OverviewKeyBindingsDialog::Answer() const {
    const auto selected = OverviewKeyBindingsListBox->selectedItems();
    return {action_, selected.isEmpty() ? -1 : OverviewKeyBindingsListBox->row(selected.first())};
}

void OverviewKeyBindingsDialog::Close(OverviewAction action) {
    action_ = action;
    accept();
}

KeyBindingEditorDialog::KeyBindingEditorDialog(const BindingEditor& editor, QWidget* parent)
    : QDialog(parent), BoundKeysListbox(new QListWidget(this)) {
    SetUpDialog(*this, ToQString(editor.title), "KeyBindingEditorDialog");
    BoundKeysListbox->setObjectName(QStringLiteral("BoundKeysListbox"));
    BoundKeysListbox->setToolTip(QStringLiteral("The keys bound to this function; select the ones to remove"));
    BoundKeysListbox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* add = NewButton(*this, "Add a key", "AddKeyBtn", "Press a further key for this function");
    auto* remove = NewButton(*this, "Remove key", "RemoveKeyBtn", "Remove the selected keys");
    auto* cancel = NewButton(*this, "Cancel", "CancelBtn", "Close the editor without changing the keys");
    auto* ok = NewButton(*this, "OK", "OkBtn", "Keep these keys for the function");
    ok->setDefault(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Bound keys")), 0, 0);
    layout->addWidget(BoundKeysListbox, 1, 0, 4, 1);
    layout->addWidget(add, 1, 1);
    layout->addWidget(remove, 2, 1);
    layout->addWidget(cancel, 3, 1);
    layout->addWidget(ok, 4, 1);
    connect(add, &QPushButton::clicked, this, [this] { Close(EditorAction::AddKey); });
    connect(remove, &QPushButton::clicked, this, [this] { Close(EditorAction::RemoveKeys); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] { Close(EditorAction::Ok); });
    for (const std::string& key : editor.keys) BoundKeysListbox->addItem(ToQString(FormatKeyNames(key)));
}

void KeyBindingEditorDialog::Close(EditorAction action) {
    answer_.action = action;
    answer_.selected.clear();
    for (int i = 0; i < BoundKeysListbox->count(); ++i)
        answer_.selected.push_back(BoundKeysListbox->item(i)->isSelected());
    accept();
}

OverviewAnswer RunOverviewDialog(const MacroOutput& overview, int selected) {
    OverviewKeyBindingsDialog dialog(overview, selected);
    ExecCentred(dialog, 592, 173);
    return dialog.Answer();
}

EditorAnswer RunEditorDialog(const BindingEditor& editor) {
    KeyBindingEditorDialog dialog(editor);
    ExecCentred(dialog, 266, 159);
    return dialog.Answer();
}

}  // namespace korvex
