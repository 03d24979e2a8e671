#include "macros/MacroDialogPage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "app/TextCodec.h"
#include "macros/MacroDialog.h"
#include "macros/TypedText.h"

namespace korvex {
namespace {

QString InputHint(const std::string& caption) {
    const QString what = ToQString(caption).trimmed();
    return what.isEmpty() ? QStringLiteral("the macro uses what you enter here")
                          : QStringLiteral("the macro uses what you enter here: ") + what;
}

}  // namespace

MacroDialogPage::MacroDialogPage(Korvex& app, QWidget* parent)
    : QWidget(parent),
      app_(app),
      MacroDialogBox(new QGroupBox(QStringLiteral("Macro Dialog"), this)),
      Button1(new QPushButton(QStringLiteral("OK"), MacroDialogBox)),
      CancelButton(new QPushButton(QStringLiteral("Cancel"), MacroDialogBox)) {
    QFont dialogFont = font();
    dialogFont.setPointSize(kDialogFontPoints);
    setFont(dialogFont);
    MacroDialogBox->setObjectName(QStringLiteral("MacroDialogBox"));
    MacroDialogBox->setGeometry(8, 8, 561, 521);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(7, 449, 440, 65);
    Button1->setDefault(true);
    Button1->setToolTip(QStringLiteral("takes what you entered and goes on adding the macro"));
    connect(Button1, &QPushButton::clicked, this, &MacroDialogPage::OkClick);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(453, 449, 100, 65);
    CancelButton->setToolTip(QStringLiteral("stops adding the macro; nothing of it is stored (Escape does the same)"));
    // Queued: cancelling frees the controls, the focused one among them.
    connect(
        CancelButton, &QPushButton::clicked, this, [this] { CancelMacroDialog(app_); }, Qt::QueuedConnection);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, CancelButton, &QPushButton::click);
}

// A refused text keeps the page open with the focus in its control.
void MacroDialogPage::OkClick() {
    if (Button1Click(MacroRunOf(app_))) return;
    const auto refused = RefusedInputOf(app_.interpreter.dialog);
    if (!refused) return;
    QWidget* control = refused->combo ? static_cast<QWidget*>(combos_.value(refused->index))
                                      : static_cast<QWidget*>(fields_.value(refused->index));
    if (control) control->setFocus();
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
    fields_.clear();
    combos_.clear();
    const MacroDialog& dialog = app_.interpreter.dialog;
    for (const MacroText& text : dialog.texts) AddCaption(text.text, text.left, text.top);
    for (std::size_t i = 0; i < dialog.inputFields.size(); ++i) AddInputField(i);
    for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i) AddInputCombo(i);
    OrderForKeyboard();
}

// Tab walks the input controls as they read, top to bottom and left to right, and ends on
// OK and Cancel; the first of them has the focus when the dialog appears.
void MacroDialogPage::OrderForKeyboard() {
    QList<QWidget*> inputs;
    for (QWidget* control : controls_)
        if (control->focusPolicy() != Qt::NoFocus) inputs.append(control);
    std::stable_sort(inputs.begin(), inputs.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    inputs.append(Button1);
    inputs.append(CancelButton);
    for (qsizetype i = 0; i + 1 < inputs.size(); ++i) setTabOrder(inputs[i], inputs[i + 1]);
    if (isVisible()) inputs.first()->setFocus();
}

// Enter in an edit or combo box presses OK, as in a dialog. The press is queued because
// OK may rebuild the controls, the sending one included.
void MacroDialogPage::ConfirmOnEnter(QLineEdit* edit) {
    connect(edit, &QLineEdit::returnPressed, Button1, &QPushButton::click, Qt::QueuedConnection);
}

void MacroDialogPage::AddCaption(const std::string& text, int left, int top) {
    auto* label = new QLabel(ToQString(text), MacroDialogBox);
    // A macro's text is shown as written, even when it looks like markup ("<fire key>").
    label->setTextFormat(Qt::PlainText);
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
    edit->setToolTip(InputHint(field.caption));
    connect(edit, &QLineEdit::textChanged, this, [this, index](const QString& text) {
        TypeIntoInputField(app_.report, app_.interpreter, index, FromQString(text));
    });
    ConfirmOnEnter(edit);
    fields_.append(edit);
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
    box->setToolTip(InputHint(combo.caption));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : combo.items) box->addItem(ToQString(item));
    box->setEditText(ToQString(combo.text));
    connect(box, &QComboBox::currentTextChanged, this, [this, index](const QString& text) {
        TypeIntoInputCombo(app_.report, app_.interpreter, index, FromQString(text));
    });
    ConfirmOnEnter(box->lineEdit());
    combos_.append(box);
    PlaceBeside(box, combo.caption, combo.left, combo.top, combo.width);
}

}  // namespace korvex
