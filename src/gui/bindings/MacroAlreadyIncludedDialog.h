// "Macro Already Included": add a key to the macro's functions, add it afresh, or leave it.
#pragma once

#include <QDialog>
#include <string>

#include "bindings/BindingDialogRequests.h"

namespace korvex {

class MacroAlreadyIncludedDialog : public QDialog {
    Q_OBJECT
public:
    explicit MacroAlreadyIncludedDialog(const std::string& description, QWidget* parent = nullptr);
    IncludedMacroChoice Choice() const { return choice_; }

private:
    IncludedMacroChoice choice_ = IncludedMacroChoice::Cancel;
};

// Shows the dialog modally, centred on the screen.
IncludedMacroChoice AskMacroAlreadyIncludedDialog(const std::string& description);

}  // namespace korvex
