// Page 3 of the main window: the controls a suspended macro asks its values with, the OK
// button that lets the macro go on and Cancel, which stops adding it. The controls are built
// from the core's dialog.
#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace korvex {

struct Korvex;

class MacroDialogPage : public QWidget {
    Q_OBJECT
public:
    explicit MacroDialogPage(Korvex& app, QWidget* parent = nullptr);
    // Rebuilds the controls when the core's dialog is not the one shown.
    void SyncFromCore();

private:
    void OkClick();
    void BuildControls();
    void OrderForKeyboard();
    void ConfirmOnEnter(QLineEdit* edit);
    void AddCaption(const std::string& text, int left, int top);
    void AddInputField(std::size_t index);
    void AddInputCombo(std::size_t index);
    // Edit and combo boxes stand right of their caption, at the macro's top and width.
    void PlaceBeside(QWidget* control, const std::string& caption, int left, int top, int width);
    int CaptionWidth(const std::string& caption) const;

    Korvex& app_;
    QGroupBox* MacroDialogBox;
    QPushButton* Button1;
    QPushButton* CancelButton;
    QList<QWidget*> controls_;
    // The input fields and input combos in creation order, as the core counts them.
    QList<QLineEdit*> fields_;
    QList<QComboBox*> combos_;
    int shownGeneration_ = -1;
    std::size_t shownControls_ = 0;
};

}  // namespace korvex
