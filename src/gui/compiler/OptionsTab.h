// The Options tab of the Config-Editor: the 42 option controls in six groups, built from
// the core's option rows. Mirrors the core's PlayerCfg and OptionsView; every change the
// person makes goes to the core at once.
#pragma once

#include <QWidget>
#include <array>

#include "players/PlayerCfg.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QScrollArea;

namespace korvex {

struct Korvex;
struct OptionRow;
struct EffectiveOptions;

class OptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit OptionsTab(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The Special tab may have changed what is inherited meanwhile.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* AddControl(const OptionRow& row);
    QWidget* NewCheckBox(const OptionRow& row);
    QWidget* NewEdit(Option option);
    QWidget* NewComboBox(const OptionRow& row);
    void TextChanged(Option option, const QString& text);
    void FlagClicked(Option option, bool checked);
    void ComboActivated(Option option);
    QComboBox& ComboOf(Option option) const;
    void ShowUnchosen(const PlayerCfg& shown);
    void ShowInheritance(const EffectiveOptions& shown);

    Korvex& app_;
    QScrollArea* scroll_;
    bool syncing_ = false;
    std::array<QWidget*, kOptionCount> widgets_{};
    std::array<QWidget*, kOptionCount> labels_{};
    std::array<QGroupBox*, kInheritPartCount> groups_{};
};

}  // namespace korvex
