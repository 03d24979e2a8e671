#include "compiler/OptionsTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ComboItems.h"
#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "compiler/ChosenOptions.h"
#include "compiler/EffectiveOptions.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionsView.h"
#include "players/CharacterLists.h"

namespace korvex {
// Forty-two controls do not fit the tab at a readable size: the groups stand one below the
// other and scroll.
OptionsTab::OptionsTab(Korvex& app, QWidget* parent) : QWidget(parent), app_(app) {
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    scroll_->setWidget(content);
    (new QVBoxLayout(this))->addWidget(scroll_);
    layout()->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(content);
    QFormLayout* form = nullptr;
    const OptionRow* previous = nullptr;
    for (const OptionRow& row : OptionRows()) {
        if (!previous || row.group != previous->group) {
            auto* box = new QGroupBox(ToQString(GroupCaption(row.group)));
            groups_[static_cast<int>(row.group)] = box;
            form = new QFormLayout(box);
            layout->addWidget(box);
        }
        previous = &row;
        QWidget* widget = AddControl(row);
        if (row.kind == ControlKind::CheckBox) {
            form->addRow(widget);
            continue;
        }
        // A list without a label of its own is labelled by its prompt, which it shows only
        // while nothing is chosen.
        auto* label = new QLabel(ToQString(OptionLabel(row.option)));
        labels_[static_cast<int>(row.option)] = label;
        form->addRow(label, widget);
    }
    SyncFromCore();
}

QWidget* OptionsTab::AddControl(const OptionRow& row) {
    QWidget* widget = row.kind == ControlKind::CheckBox ? NewCheckBox(row)
                      : row.kind == ControlKind::Edit   ? NewEdit(row.option)
                                                        : NewComboBox(row);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setToolTip(ToQString(row.hint));
    widgets_[static_cast<int>(row.option)] = widget;
    return widget;
}

QWidget* OptionsTab::NewCheckBox(const OptionRow& row) {
    auto* check = new QCheckBox(ToQString(row.caption));
    const Option option = row.option;
    connect(check, &QCheckBox::clicked, this, [this, option](bool checked) { FlagClicked(option, checked); });
    return check;
}

QWidget* OptionsTab::NewEdit(Option option) {
    auto* edit = new QLineEdit;
    connect(edit, &QLineEdit::textEdited, this, [this, option](const QString& text) { TextChanged(option, text); });
    return edit;
}

QWidget* OptionsTab::NewComboBox(const OptionRow& row) {
    const Option option = row.option;
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(14);
    combo->addItems(ToQStringList(row.items));
    combo->lineEdit()->setPlaceholderText(ToQString(row.prompt));
    connect(combo, &QComboBox::editTextChanged, this, [this, option](const QString& text) { TextChanged(option, text); });
    connect(combo, &QComboBox::activated, this, [this, option] { ComboActivated(option); });
    // A typed driver counts once the typing ends; merely passing through the field does not.
    if (option == Option::Video1) {
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, combo] {
            if (!combo->lineEdit()->isModified()) return;
            combo->lineEdit()->setModified(false);
            ComboActivated(Option::Video1);
        });
    }
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(this);
    return combo;
}

void OptionsTab::TextChanged(Option option, const QString& text) {
    if (syncing_) return;
    app_.player.SetText(option, FromQString(text));
    // A typed model invalidates the skin as much as a chosen one.
    if (option == Option::Character1) {
        Character1Change(app_.report, app_.player);
        SyncFromCore();
    }
}

void OptionsTab::FlagClicked(Option option, bool checked) {
    app_.player.SetFlag(option, checked);
    // The sight improvement adapts the Video controls once the click has been handled.
    if (option == Option::Video10)
        app_.host.Post([this] {
            ApplySightImprovement(app_.player, app_.optionsView, app_.player.Flag(Option::Video10));
            SyncFromCore();
        });
}

void OptionsTab::ComboActivated(Option option) {
    if (syncing_) return;
    app_.player.SetText(option, FromQString(ComboOf(option).currentText()));
    if (option == Option::Video1) Video1Change(app_.report, app_.player, app_.optionsView);
    if (option == Option::Character1) Character1Change(app_.report, app_.player);
    SyncFromCore();
}

bool OptionsTab::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls the page; over a combo box it would change an option unnoticed,
    // unless that box has the focus.
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
        QApplication::sendEvent(scroll_->viewport(), event);
        return true;
    }
    if (event->type() == QEvent::FocusIn && watched == widgets_[static_cast<int>(Option::Character2)]) {
        Character2Enter(app_.report, app_.paths, app_.player);
        SyncFromCore();
    }
    return QWidget::eventFilter(watched, event);
}

QComboBox& OptionsTab::ComboOf(Option option) const {
    return *static_cast<QComboBox*>(widgets_[static_cast<int>(option)]);
}

void OptionsTab::showEvent(QShowEvent* event) {
    SyncFromCore();
    QWidget::showEvent(event);
}

// Inherited groups show what the game will get, from the ancestor that supplies it; the
// Player-CFG's own values stay in the core and are what is saved.
void OptionsTab::SyncFromCore() {
    syncing_ = true;
    const std::string& name = app_.currentPlayerName;
    const EffectiveOptions effective = ResolveEffectiveOptions(app_.report, app_.paths, name, app_.player, true)
                                           .value_or(EffectiveOptions::Own(name, app_.player));
    PlayerCfg shown = app_.player;
    shown.options = effective.values;
    OptionsView view = app_.optionsView;
    if (effective.Inherited(Option::Video1, name)) UpdateVideoControls(app_.report, shown, view, true);
    ShowComboItems(ComboOf(Option::Video5), view.video5Items);
    ShowComboItems(ComboOf(Option::Character1), app_.player.controls.modelItems);
    ShowComboItems(ComboOf(Option::Character2), app_.player.controls.skinItems);
    if (!view.video5Hint.empty()) widgets_[static_cast<int>(Option::Video5)]->setToolTip(ToQString(view.video5Hint));
    for (int index = 0; index < kOptionCount; ++index) {
        const Option option = static_cast<Option>(index);
        const QString text = ToQString(shown.Text(option));
        if (auto* check = qobject_cast<QCheckBox*>(widgets_[index])) check->setChecked(shown.Flag(option));
        if (auto* edit = qobject_cast<QLineEdit*>(widgets_[index]); edit && edit->text() != text) edit->setText(text);
        if (auto* combo = qobject_cast<QComboBox*>(widgets_[index]); combo && combo->currentText() != text) {
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
        widgets_[index]->setVisible(view.Visible(option));
        if (labels_[index]) labels_[index]->setVisible(view.Visible(option));
    }
    ShowUnchosen(shown);
    ShowInheritance(effective);
    syncing_ = false;
}

// A list still waiting for a choice shows no value but asks for one, in the colour of a warning,
// so that the prompt is not taken for a choice.
void OptionsTab::ShowUnchosen(const PlayerCfg& shown) {
    const std::vector<Option> unchosen = UnchosenOptions(app_.report, app_.paths, shown);
    for (const OptionRow& row : OptionRows()) {
        if (row.kind != ControlKind::ComboBox) continue;
        QComboBox& combo = ComboOf(row.option);
        QLineEdit* edit = combo.lineEdit();
        QPalette palette = QApplication::palette(edit);
        const bool waits = std::find(unchosen.begin(), unchosen.end(), row.option) != unchosen.end();
        if (waits) {
            edit->setPlaceholderText(ToQString(shown.Text(row.option)) + QStringLiteral(": choose a value"));
            palette.setColor(QPalette::PlaceholderText, QColor(0xb0, 0x20, 0x00));
            combo.setEditText(QString());
        } else {
            edit->setPlaceholderText(ToQString(row.prompt));
        }
        edit->setPalette(palette);
    }
}

void OptionsTab::ShowInheritance(const EffectiveOptions& shown) {
    const std::string& name = app_.currentPlayerName;
    for (int index = 0; index < kOptionCount; ++index) {
        const bool inherited = shown.Inherited(static_cast<Option>(index), name);
        widgets_[index]->setEnabled(!inherited);
        if (labels_[index]) labels_[index]->setEnabled(!inherited);
    }
    // The field of view sits in the General box but comes with the Server options, so a box
    // names the Player-CFG that supplies the options it takes over itself.
    for (const OptionRow& row : OptionRows()) {
        if (InheritedGroup(row.option) != row.group) continue;
        const std::string& source = shown.sources[static_cast<int>(row.option)];
        std::string caption = GroupCaption(row.group);
        if (source != name) caption += " (from " + source + ")";
        groups_[static_cast<int>(row.group)]->setTitle(ToQString(caption));
    }
}

}  // namespace korvex
