// The Special tab: inheritance from another Player-CFG and the additional commands.
// Mirrors the core's PlayerCfg; every change the person makes goes to the core at once.
#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace korvex {

struct Korvex;

class SpecialTab : public QWidget {
    Q_OBJECT
public:
    explicit SpecialTab(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Special1Clicked(bool checked);
    void Inherit1TextChanged(const QString& text);
    void AdditionalCommandsClicked(bool checked);
    void MemoChanged();
    QCheckBox* AddCheckBox(QWidget* parent, const QString& caption, const char* name);

    Korvex& app_;
    bool syncing_ = false;
    QCheckBox* special1_;
    QGroupBox* inheritGroup_;
    QComboBox* inherit1_;
    std::array<QCheckBox*, 7> inheritParts_{};
    QCheckBox* additionalCommands_;
    QLabel* additionalCommandsLabel_;
    QPlainTextEdit* additionalCommandsMemo_;
};

}  // namespace korvex
