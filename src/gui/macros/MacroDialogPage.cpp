#include "macros/MacroDialogPage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "macros/MacroDialog.h"

namespace korvex {

MacroDialogPage::MacroDialogPage(Korvex& app, QWidget* parent)
    : QWidget(parent), app_(app), MacroDialogBox(new QGroupBox(QStringLiteral("Macro Dialog"), this)),
      Button1(new QPushButton(QStringLiteral("OK"), MacroDialogBox)) {
    QFont dialogFont = font();
    dialogFont.setPointSize(kDialogFontPoints);
    setFont(dialogFont);
    MacroDialogBox->setObjectName(QStringLiteral("MacroDialogBox"));
    MacroDialogBox->setGeometry(8, 8, 561, 521);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(7, 449, 546, 65);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(app_); });
}

void MacroDialogPage::SyncFromCore() {
    const MacroDialog& dialog = app_.interpreter.dialog;
    const std::size_t count = dialog.inputFields.size() + dialog.texts.size() + dialog.inputCombos.size();
    if (dialog.generation == shownGeneration_ && count == shownControls_) return;
    shownGeneration_ = dialog.generation;
    shownControls_ = count;
    BuildControls();
}

void MacroDialogPage::BuildControls() {
    qDeleteAll(controls_);
    controls_.clear();
    const MacroDialog& dialog = app_.interpreter.dialog;
    for (const MacroText& text : dialog.texts) AddCaption(text.text, text.left, text.top);
    for (std::size_t i = 0; i < dialog.inputFields.size(); ++i) AddInputField(i);
    for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i) AddInputCombo(i);
}

void MacroDialogPage::AddCaption(const std::string& text, int left, int top) {
    auto* label = new QLabel(ToQString(text), MacroDialogBox);
    label->move(left, top + kCaptionDrop);
    label->adjustSize();
    label->show();
    controls_.append(label);
}

int MacroDialogPage::CaptionWidth(const std::string& caption) const {
    return QFontMetrics(font()).horizontalAdvance(ToQString(caption));
}

void MacroDialogPage::AddInputField(std::size_t index) {
    const MacroInputField& field = app_.interpreter.dialog.inputFields[index];
    AddCaption(field.caption, field.left, field.top);
    auto* edit = new QLineEdit(ToQString(field.text), MacroDialogBox);
    connect(edit, &QLineEdit::textChanged, this,
            [this, index](const QString& text) { TypeIntoInputField(app_, index, FromQString(text)); });
    PlaceBeside(edit, field.caption, field.left, field.top, field.width);
}

void MacroDialogPage::PlaceBeside(QWidget* control, const std::string& caption, int left, int top, int width) {
    control->setGeometry(ControlLeftOf(left, CaptionWidth(caption)), top, width, control->sizeHint().height());
    control->show();
    controls_.append(control);
}

void MacroDialogPage::AddInputCombo(std::size_t index) {
    const MacroInputCombo& combo = app_.interpreter.dialog.inputCombos[index];
    AddCaption(combo.caption, combo.left, combo.top);
    auto* box = new QComboBox(MacroDialogBox);
    box->setEditable(true);
    for (const std::string& item : combo.items) box->addItem(ToQString(item));
    box->setEditText(ToQString(combo.text));
    connect(box, &QComboBox::currentTextChanged, this,
            [this, index](const QString& text) { TypeIntoInputCombo(app_, index, FromQString(text)); });
    PlaceBeside(box, combo.caption, combo.left, combo.top, combo.width);
}

}  // namespace korvex
