// The overview of an included macro's key bindings ("Bindings") and the editor of one
// function's keys. Both work on the core's records and call the core for every button.
#pragma once

#include <QDialog>

#include "bindings/BindingDialogRequests.h"

class QListWidget;

namespace korvex {

struct Korvex;
struct Reporter;

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

class KeyBindingEditorDialog : public QDialog {
    Q_OBJECT
public:
    KeyBindingEditorDialog(Reporter& report, BindingEditor& editor, QWidget* parent = nullptr);

private:
    void ShowKeys();

    Reporter& report_;
    BindingEditor& editor_;
    QListWidget* BoundKeysListbox;
};

// Both are shown modally, centred on the screen.
void RunOverviewDialog(Korvex& app, MacroOutput& overview);
bool RunEditorDialog(Reporter& report, BindingEditor& editor);

}  // namespace korvex
