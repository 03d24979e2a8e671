// The overview of an included macro's key bindings ("Bindings") and the editor of one
// function's keys. Both work on the core's records and call the core for every button.
#pragma once

#include <QDialog>

#include "bindings/BindingDialogRequests.h"

class QListWidget;

namespace korvex {

struct Korvex;

class OverviewKeyBindingsDialog : public QDialog {
    Q_OBJECT
public:
    OverviewKeyBindingsDialog(Korvex& app, MacroOutput& overview, QWidget* parent = nullptr);

private:
    void ShowLines();
    void EditBtnClick();

    Korvex& app_;
    MacroOutput& overview_;
    QListWidget* OverviewKeyBindingsListBox;
};

// Closes at every button with what was pressed; the core carries it out and shows it again.
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
void RunOverviewDialog(Korvex& app, MacroOutput& overview);
EditorAnswer RunEditorDialog(const BindingEditor& editor);

}  // namespace korvex
