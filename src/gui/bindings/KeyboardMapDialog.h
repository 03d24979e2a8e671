// "Keyboard map": the drawn keyboard of a compiled Player-CFG and, below it, the same lines
// as korvex-cli keymap in a sortable table. Clicking a key selects its macros in the
// included macros of the Bindings tab, or, from the bindings overview, only marks the key.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "bindings/KeyboardMap.h"

class QLabel;
class QTableWidget;

namespace korvex {

struct Korvex;
class KeyboardWidget;

// What a click on a key does with the key's entries of the map; none only marks the key.
using MacroSelection = std::function<void(const KeyMap&, const std::vector<const KeyMapKey*>&)>;

class KeyboardMapDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardMapDialog(KeyMap map, MacroSelection selectMacros = {}, QWidget* parent = nullptr);

    // A click on an input of the drawn keyboard, or the choice of its line in the table.
    void SelectKey(const QString& name);

private:
    void ShowHovered(const QString& name);
    void FillTable();
    void TableSelectionChanged();
    void SelectMacros(const std::vector<const KeyMapKey*>& keys);

    const KeyMap map_;
    const MacroSelection selectMacros_;
    const MapClicks clicks_;
    KeyboardWidget* keyboard_;
    QLabel* keyLine_;
    QLabel* chordList_;
    QTableWidget* table_;
    bool selecting_ = false;
};

// The button handler of "Keyboard map" on the Bindings tab: compiles the shown Player-CFG and
// shows its map; a click on a key selects its macros in the included macros.
void ShowKeyboardMap(Korvex& app, QWidget* parent);
// The map opened from the bindings overview, where a click only marks a key.
void RunKeyMapDialog(const KeyMap& map);

}  // namespace korvex
