#include "players/SpecialTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ComboItems.h"
#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "players/Inheritance.h"

namespace korvex {
namespace {

constexpr std::array<const char*, 7> kInheritCaptions = {
    "Inherit Key-Bindings", "Inherit General Options", "Inherit Video Options", "Inherit Sound Options",
    "Inherit Mouse Options", "Inherit Character Options", "Inherit Server Options"};
constexpr std::array<const char*, 7> kInheritHints = {
    "take over the key bindings of the chosen Player-CFG; bindings of your own win over them",
    "take over the general options of the chosen Player-CFG instead of this one's",
    "take over the video options of the chosen Player-CFG instead of this one's",
    "take over the sound options of the chosen Player-CFG instead of this one's",
    "take over the mouse options of the chosen Player-CFG instead of this one's",
    "take over the character options of the chosen Player-CFG instead of this one's",
    "take over the server options of the chosen Player-CFG instead of this one's"};

// A memo without text has no lines; a final line break does not start another line.
std::vector<std::string> MemoLines(const QString& text) {
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.back().isEmpty()) parts.removeLast();
    for (const QString& part : parts) lines.push_back(FromQString(part));
    return lines;
}

QString MemoText(const std::vector<std::string>& lines) {
    return ToQStringList(lines).join(QLatin1Char('\n'));
}

}  // namespace

SpecialTab::SpecialTab(Korvex& app, QWidget* parent)
    : QWidget(parent), app_(app), inheritGroup_(new QGroupBox(QStringLiteral("Inheritance Options"))),
      inherit1_(new QComboBox), additionalCommandsLabel_(new QLabel(QStringLiteral(
                                    "Additional Commands To Include In Configuration-File"))),
      additionalCommandsMemo_(new QPlainTextEdit) {
    auto* layout = new QVBoxLayout(this);
    special1_ = AddCheckBox(this, QStringLiteral("Inherit Bindings/Options"), "Special1");
    special1_->setToolTip(QStringLiteral("build this Player-CFG on another one: what you tick below comes from there"));
    layout->addWidget(special1_);

    inheritGroup_->setObjectName(QStringLiteral("InheritGroupBox"));
    auto* groupLayout = new QVBoxLayout(inheritGroup_);
    inherit1_->setObjectName(QStringLiteral("Inherit1"));
    inherit1_->setEditable(true);
    inherit1_->setInsertPolicy(QComboBox::NoInsert);
    inherit1_->setToolTip(QStringLiteral("the Player-CFG to inherit from"));
    inherit1_->installEventFilter(this);
    groupLayout->addWidget(inherit1_);
    for (std::size_t part = 0; part < inheritParts_.size(); ++part) {
        const std::string name = "Inherit" + std::to_string(part + 2);
        inheritParts_[part] = AddCheckBox(inheritGroup_, QString::fromLatin1(kInheritCaptions[part]), name.c_str());
        inheritParts_[part]->setToolTip(QString::fromLatin1(kInheritHints[part]));
        groupLayout->addWidget(inheritParts_[part]);
        connect(inheritParts_[part], &QCheckBox::clicked, this,
                [this, part](bool checked) { app_.player.inherit[part] = checked; });
    }
    layout->addWidget(inheritGroup_);

    additionalCommands_ = AddCheckBox(this, QStringLiteral("Include addtional commands into Config-File"),
                                      "PlayerCFGAdditionalCommandsCheckBox");
    additionalCommands_->setToolTip(QStringLiteral("add the console commands below to this Player-CFG's scripts"));
    layout->addWidget(additionalCommands_);
    additionalCommandsMemo_->setToolTip(
        QStringLiteral("Quake II console commands of your own, one a line, run after everything else"));
    additionalCommandsLabel_->setObjectName(QStringLiteral("PlayerCFGAdditionalCommandsLabel"));
    additionalCommandsMemo_->setObjectName(QStringLiteral("PlayerCFGAdditionalCommandsMemo"));
    layout->addWidget(additionalCommandsLabel_);
    layout->addWidget(additionalCommandsMemo_, 1);
    layout->addStretch();

    connect(special1_, &QCheckBox::clicked, this, &SpecialTab::Special1Clicked);
    connect(inherit1_, &QComboBox::currentTextChanged, this, &SpecialTab::Inherit1TextChanged);
    connect(additionalCommands_, &QCheckBox::clicked, this, &SpecialTab::AdditionalCommandsClicked);
    connect(additionalCommandsMemo_, &QPlainTextEdit::textChanged, this, &SpecialTab::MemoChanged);
    SyncFromCore();
}

QCheckBox* SpecialTab::AddCheckBox(QWidget* parent, const QString& caption, const char* name) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void SpecialTab::SyncFromCore() {
    const PlayerCfg& cfg = app_.player;
    const PlayerCfgControls& controls = cfg.controls;
    syncing_ = true;
    special1_->setChecked(cfg.special1);
    inheritGroup_->setVisible(controls.inheritGroupVisible);
    ShowComboItems(*inherit1_, controls.inherit1Items);
    if (inherit1_->currentText() != ToQString(cfg.inherit1)) inherit1_->setEditText(ToQString(cfg.inherit1));
    inherit1_->setEnabled(controls.inherit1Enabled);
    for (std::size_t part = 0; part < inheritParts_.size(); ++part) inheritParts_[part]->setChecked(cfg.inherit[part]);
    additionalCommands_->setChecked(cfg.additionalCommands);
    additionalCommandsLabel_->setVisible(controls.additionalCommandsVisible);
    additionalCommandsMemo_->setVisible(controls.additionalCommandsVisible);
    if (MemoLines(additionalCommandsMemo_->toPlainText()) != cfg.additionalCommandLines)
        additionalCommandsMemo_->setPlainText(MemoText(cfg.additionalCommandLines));
    syncing_ = false;
}

bool SpecialTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inherit1_ && event->type() == QEvent::FocusIn) Inherit1Enter(app_);
    return QWidget::eventFilter(watched, event);
}

void SpecialTab::Special1Clicked(bool checked) {
    app_.player.special1 = checked;
    Special1Click(app_);
}

void SpecialTab::Inherit1TextChanged(const QString& text) {
    if (syncing_) return;
    app_.player.inherit1 = FromQString(text);
    Inherit1Change(app_);
}

void SpecialTab::AdditionalCommandsClicked(bool checked) {
    app_.player.additionalCommands = checked;
    PlayerCFGAdditionalCommandsCheckBoxClick(app_);
}

void SpecialTab::MemoChanged() {
    if (!syncing_) app_.player.additionalCommandLines = MemoLines(additionalCommandsMemo_->toPlainText());
}

}  // namespace korvex
