// TKeyBindingDialog: waits until the person presses and releases a key, a mouse button, the
// wheel or a joystick button, or two of them together, and names what was pressed.
#pragma once

#include <QDialog>
#include <QMap>
#include <string>
#include <vector>

#include "bindings/BindingDialogRequests.h"
#include "bindings/JoystickButtons.h"
#include "bindings/KeyCapture.h"

class QLabel;
class QTimer;

namespace korvex {

class KeyBindingDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyBindingDialog(QWidget* parent = nullptr);

    void SetPrompt(const QString& prompt);
    // The keys other included macros bind: a pressed one is named with its macro.
    void SetBoundKeys(const std::vector<MacroKeys>& macros) { bound_ = macros; }
    // Shows the dialog modally and returns the captured key name; empty when Escape cancelled it.
    std::string AskForKey();
    // The name captured by the last capture that closed the dialog.
    const std::string& CapturedKeyName() const { return captured_; }
    // Reads the joystick's buttons; a timer calls it while the dialog is open.
    void PollJoystick();

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StartKeyCapture();
    void RequestClose();
    void Cancel();
    void ShowCaptured();
    KeyboardState HeldKeys() const;

    KeyCapture capture_;
    // The keys held now, by their platform identity, with their virtual keys.
    QMap<quint64, int> held_;
    std::string captured_;
    bool closing_ = false;
    QLabel* promptLabel_;
    QLabel* keyLabel_;
    QLabel* boundByLabel_;
    std::vector<MacroKeys> bound_;
    JoystickButtons joystick_;
    QTimer* joystickTimer_;
};

}  // namespace korvex
