#include "compiler/OptionsTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/ComboItems.h"
#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionsView.h"
#include "players/CharacterLists.h"

namespace korvex {
namespace {

QString ObjectName(Option option) {
    static const char* const kNames[] = {
        "General1", "General2", "General3", "General4", "Video1", "Video2", "Video3", "Video4", "Video5",
        "Video6", "Video7", "Video8", "Video9", "Video10", "Sound1", "Sound2", "Sound3", "Sound4",
        "Mouse1", "Mouse2", "Mouse3", "Mouse4", "Mouse5", "Mouse6", "Mouse7", "Mouse8",
        "Character1", "Character2", "Character3", "Character4", "Character5", "Character6", "Character7",
        "Character8", "Server1", "Server2", "Server3", "Server4", "Server5", "Server6", "Server7", "General5"};
    return QString::fromLatin1(kNames[static_cast<int>(option)]);
}

}  // namespace

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
    for (const OptionGroup& group : OptionGroups()) {
        auto* box = new QGroupBox(ToQString(group.caption));
        auto* form = new QFormLayout(box);
        for (Option option : group.options) {
            const OptionControl& control = ControlOf(option);
            QWidget* widget = AddControl(control);
            if (control.kind == ControlKind::CheckBox) {
                form->addRow(widget);
                continue;
            }
            // A list without a label of its own is labelled by its prompt, which it shows only
            // while nothing is chosen.
            auto* label = new QLabel(ToQString(OptionLabel(option)));
            labels_[static_cast<int>(option)] = label;
            form->addRow(label, widget);
        }
        layout->addWidget(box);
    }
    SyncFromCore();
}

QWidget* OptionsTab::AddControl(const OptionControl& control) {
    QWidget* widget = control.kind == ControlKind::CheckBox ? NewCheckBox(control)
                      : control.kind == ControlKind::Edit   ? NewEdit(control.option)
                                                            : NewComboBox(control);
    widget->setObjectName(ObjectName(control.option));
    widget->setToolTip(ToQString(control.hint));
    widgets_[static_cast<int>(control.option)] = widget;
    return widget;
}

QWidget* OptionsTab::NewCheckBox(const OptionControl& control) {
    auto* check = new QCheckBox(ToQString(control.caption));
    const Option option = control.option;
    connect(check, &QCheckBox::clicked, this, [this, option](bool checked) { FlagClicked(option, checked); });
    return check;
}

QWidget* OptionsTab::NewEdit(Option option) {
    auto* edit = new QLineEdit;
    connect(edit, &QLineEdit::textEdited, this, [this, option](const QString& text) { TextChanged(option, text); });
    return edit;
}

QWidget* OptionsTab::NewComboBox(const OptionControl& control) {
    const Option option = control.option;
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(14);
    combo->addItems(ToQStringList(control.items));
    combo->lineEdit()->setPlaceholderText(ToQString(control.prompt));
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
        Character1Change(app_);
        SyncFromCore();
    }
}

void OptionsTab::FlagClicked(Option option, bool checked) {
    app_.player.SetFlag(option, checked);
    // The sight improvement adapts the Video controls once the click has been handled.
    if (option == Option::Video10)
        app_.host.Post([this] {
            ApplySightImprovement(app_, app_.player.Flag(Option::Video10));
            SyncFromCore();
        });
}

void OptionsTab::ComboActivated(Option option) {
    if (syncing_) return;
    app_.player.SetText(option, FromQString(ComboOf(option).currentText()));
    if (option == Option::Video1) Video1Change(app_);
    if (option == Option::Character1) Character1Change(app_);
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
        Character2Enter(app_);
        SyncFromCore();
    }
    return QWidget::eventFilter(watched, event);
}

QComboBox& OptionsTab::ComboOf(Option option) const {
    return *static_cast<QComboBox*>(widgets_[static_cast<int>(option)]);
}

void OptionsTab::SyncFromCore() {
    syncing_ = true;
    const OptionsView& view = app_.optionsView;
    ShowComboItems(ComboOf(Option::Video5), view.video5Items);
    ShowComboItems(ComboOf(Option::Character1), app_.player.controls.modelItems);
    ShowComboItems(ComboOf(Option::Character2), app_.player.controls.skinItems);
    if (!view.video5Hint.empty()) widgets_[static_cast<int>(Option::Video5)]->setToolTip(ToQString(view.video5Hint));
    for (int index = 0; index < kOptionCount; ++index) {
        const Option option = static_cast<Option>(index);
        const QString text = ToQString(app_.player.Text(option));
        if (auto* check = qobject_cast<QCheckBox*>(widgets_[index])) check->setChecked(app_.player.Flag(option));
        if (auto* edit = qobject_cast<QLineEdit*>(widgets_[index]); edit && edit->text() != text) edit->setText(text);
        if (auto* combo = qobject_cast<QComboBox*>(widgets_[index]); combo && combo->currentText() != text) {
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
        widgets_[index]->setVisible(view.Visible(option));
        if (labels_[index]) labels_[index]->setVisible(view.Visible(option));
    }
    syncing_ = false;
}

}  // namespace korvex
