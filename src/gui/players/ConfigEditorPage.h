// The Config-Editor page: the Bindings, Options and Special tabs and the Player-CFG buttons.
#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace korvex {

struct Korvex;
class MacroBindingsWidget;
class OptionsTab;
class SpecialTab;

class ConfigEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigEditorPage(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();

private:
    void TabControl1Change(int index);
    QPushButton* AddPlayerButton(const QString& caption, const char* name, void (*handler)(Korvex&));

    Korvex& app_;
    QTabWidget* tabs_;
    MacroBindingsWidget* bindings_;
    OptionsTab* options_;
    SpecialTab* special_;
};

}  // namespace korvex
