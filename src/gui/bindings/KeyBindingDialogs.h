// The overview of an included macro's key bindings ("Bindings") and the editor of one
// function's keys. Both close at every button with what was pressed; the core carries it out
// and shows them again.
#pragma once

#include <QDialog>

#include "bindings/BindingDialogRequests.h"

class QListWidget;

namespace korvex {

class OverviewKeyBindingsDialog : public QDialog {
    Q_OBJECT
public:
    OverviewKeyBindingsDialog(const MacroOutput& overview, int selected, QWidget* parent = nullptr);

    OverviewAnswer Answer() const;

private:
    void Close(OverviewAction action);

    OverviewAction action_ = OverviewAction::Close;
    QListWidget* OverviewKeyBindingsListBox;
};

class KeyBindingEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyBindingEditorDialog(const BindingEditor& editor, QWidget* parent = nullptr);

    const EditorAnswer& Answer() const { return answer_; }

private:
    void Close(EditorAction action);

    EditorAnswer answer_;
    QListWidget* BoundKeysListbox;
};

// Both are shown modally, centred on the screen.
OverviewAnswer RunOverviewDialog(const MacroOutput& overview, int selected);
EditorAnswer RunEditorDialog(const BindingEditor& editor);

}  // namespace korvex
