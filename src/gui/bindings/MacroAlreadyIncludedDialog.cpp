#include "bindings/MacroAlreadyIncludedDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Centring.h"
#include "app/TextCodec.h"

namespace korvex {

MacroAlreadyIncludedDialog::MacroAlreadyIncludedDialog(const std::string& description, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MacroAlreadyIncludedDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(ToQString(description));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"The macro you wish to add is already included. You can add another key to bind ",
                             "to this function or overwrite the current key-binding. Overwriting just remove the",
                             "macro and re-adds it, so that you can bind it to a new key and so on..."})
        layout->addWidget(new QLabel(QString::fromLatin1(line)));
    auto* row = new QHBoxLayout;
    const struct {
        const char* caption;
        const char* name;
        const char* hint;
        IncludedMacroChoice choice;
    } buttons[] = {
        {"&Add a key-binding", "AddKeyButton", "Ask for one more key for each function of the macro",
         IncludedMacroChoice::AddKeyBinding},
        {"&Overwrite existing key-binding(s)", "OverwriteButton",
         "Remove the macro and add it again, asking for all its keys anew", IncludedMacroChoice::Overwrite},
        {"&Cancel", "CancelButton", "Leave the macro as it is", IncludedMacroChoice::Cancel},
    };
    row->addStretch();
    for (const auto& button : buttons) {
        auto* widget = new QPushButton(QString::fromLatin1(button.caption), this);
        widget->setObjectName(QString::fromLatin1(button.name));
        widget->setToolTip(QString::fromLatin1(button.hint));
        const IncludedMacroChoice choice = button.choice;
        connect(widget, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            choice == IncludedMacroChoice::Cancel ? reject() : accept();
        });
        row->addWidget(widget);
        if (choice == IncludedMacroChoice::AddKeyBinding) {
            widget->setDefault(true);
            widget->setFocus();
        }
    }
    layout->addLayout(row);
}

IncludedMacroChoice AskMacroAlreadyIncludedDialog(const std::string& description) {
    MacroAlreadyIncludedDialog dialog(description);
    dialog.adjustSize();
    dialog.setFixedSize(dialog.size());
    CentreOnScreen(dialog);
    dialog.exec();
    return dialog.Choice();
}

}  // namespace korvex
