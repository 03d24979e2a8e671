// The macro part of the Config-Editor's Bindings tab: the category combo box, the macros
// of the chosen category (AvailMacros), the included macros and "Macro Information".
// It mirrors the core's macro lists and reports every choice back to the core.
#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace korvex {

struct Korvex;

class MacroBindingsWidget : public QWidget {
    Q_OBJECT
public:
    explicit MacroBindingsWidget(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MacroCatChange(int index);
    void StoreAvailSelection();
    void StoreIncludedSelection();
    void BitBtn18Click();
    void BitBtn13Click();
    void BitBtn14Click();
    void BitBtn15Click();
    void KeyboardMapClick();

    Korvex& app_;
    QComboBox* MacroCat;
    QListWidget* AvailMacros;
    QListWidget* IncludedMacros;
    QPushButton* BitBtn18;
    QPushButton* BitBtn13;
    QPushButton* BitBtn14;
    QPushButton* BitBtn15;
    QPushButton* KeyboardMapBtn;
    bool syncing_ = false;
};

}  // namespace korvex
