// "Keyboard map": the drawn keyboard of a compiled Player-CFG and, below it, the same lines
// as korvex-cli keymap in a sortable table. Clicking a key selects its macros in the
// included macros of the Bindings tab, or, from the bindings overview, only marks the key.
#pragma once

#include <QDialog>

#include "bindings/KeyboardMap.h"

class QLabel;
class QTableWidget;

namespace korvex {

struct Korvex;
class KeyboardWidget;

class KeyboardMapDialog : public QDialog {
    Q_OBJECT
public:
    KeyboardMapDialog(Korvex& app, KeyMap map, MapClicks clicks = MapClicks::SelectMacros, QWidget* parent = nullptr);

    // A click on an input of the drawn keyboard, or the choice of its line in the table.
    void SelectKey(const QString& name);

private:
    void ShowHovered(const QString& name);
    void FillTable();
    void TableSelectionChanged();
    void SelectMacros(const std::vector<const KeyMapKey*>& keys);

    Korvex& app_;
    const KeyMap map_;
    const MapClicks clicks_;
    KeyboardWidget* keyboard_;
    QLabel* keyLine_;
    QLabel* chordList_;
    QTableWidget* table_;
    bool selecting_ = false;
};

// The button handler of "Keyboard map": compiles the shown Player-CFG and shows its map.
void ShowKeyboardMap(Korvex& app, QWidget* parent, MapClicks clicks);

}  // namespace korvex
