#include "bindings/KeyBindingDialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "bindings/IncludedMacroKeys.h"
#include "bindings/KeyEventTranslation.h"

namespace korvex {
namespace {

constexpr int kJoystickPollMs = 20;

int MouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 3;
        default: return 0;
    }
}

// One identity per physical key, so that the two CTRL keys are held apart.
quint64 KeyIdentity(const QKeyEvent& event) {
    return event.nativeScanCode() ? event.nativeScanCode() : (quint64{1} << 32) | static_cast<quint32>(event.key());
}

}  // namespace

KeyBindingDialog::KeyBindingDialog(QWidget* parent)
    : QDialog(parent),
      promptLabel_(new QLabel),
      keyLabel_(new QLabel),
      boundByLabel_(new QLabel),
      joystickTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("KeyBindingDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Korvex"));
    setModal(true);
    auto* box = new QGroupBox(QStringLiteral("Key Binding Request"));
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(new QLabel(QStringLiteral("Press the key with to bind the following alias to:")));
    promptLabel_->setObjectName(QStringLiteral("PromptLabel"));
    keyLabel_->setObjectName(QStringLiteral("KeyLabel"));
    boundByLabel_->setObjectName(QStringLiteral("BoundByLabel"));
    QFont bold = keyLabel_->font();
    bold.setBold(true);
    keyLabel_->setFont(bold);
    for (QLabel* label : {promptLabel_, keyLabel_, boundByLabel_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        boxLayout->addWidget(label);
    }
    auto* cancelHint = new QLabel(QStringLiteral("Escape cancels."));
    cancelHint->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(cancelHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(box);
    setFocusPolicy(Qt::StrongFocus);
    // 313 x 101 at the least; wider when the prompt or the font asks for it.
    setMinimumSize(313, 101);
    joystickTimer_->setInterval(kJoystickPollMs);
    connect(joystickTimer_, &QTimer::timeout, this, &KeyBindingDialog::PollJoystick);
}

void KeyBindingDialog::SetPrompt(const QString& prompt) {
    promptLabel_->setText(prompt);
    if (isVisible()) adjustSize();
}

std::string KeyBindingDialog::AskForKey() {
    if (isVisible()) hide();
    captured_.clear();
    exec();
    return captured_;
}

void KeyBindingDialog::StartKeyCapture() {
    capture_.Start(HeldKeys());
    keyLabel_->clear();
    boundByLabel_->clear();
    closing_ = false;
}

KeyboardState KeyBindingDialog::HeldKeys() const {
    KeyboardState keys;
    for (int code : held_) keys.set(static_cast<std::size_t>(code) & 0xFF);
    return keys;
}

void KeyBindingDialog::ShowCaptured() {
    keyLabel_->setText(ToQString(capture_.LabelText()));
    boundByLabel_->setText(ToQString(KeyBoundByText(bound_, capture_.GetCapturedKeyName())));
}

void KeyBindingDialog::RequestClose() {
    switch (capture_.CheckClose(HeldKeys())) {
        case CloseDecision::StayOpen: return;
        case CloseDecision::Restart: StartKeyCapture(); return;
        case CloseDecision::Close:
            captured_ = capture_.GetCapturedKeyName();
            keyLabel_->clear();
            closing_ = true;
            accept();
            return;
    }
}

// Only the close check and Escape end the dialog: Enter and the window's close button do not.
void KeyBindingDialog::done(int result) {
    if (closing_) QDialog::done(result);
}

void KeyBindingDialog::closeEvent(QCloseEvent* event) {
    if (!closing_) event->ignore();
}

void KeyBindingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    MoveToScreenCentre(*this);
    held_.clear();
    StartKeyCapture();
    captured_.clear();
    grabMouse();
    grabKeyboard();
    joystick_.Changes();  // what is held now is no press
    joystickTimer_->start();
}

void KeyBindingDialog::hideEvent(QHideEvent* event) {
    joystickTimer_->stop();
    releaseKeyboard();
    releaseMouse();
    QDialog::hideEvent(event);
}

// Tab and Shift+Tab would move the focus; here they are keys like any other.
bool KeyBindingDialog::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

// Escape has no Quake II name, so it cannot be a key to bind: it cancels the request.
void KeyBindingDialog::Cancel() {
    captured_.clear();
    keyLabel_->clear();
    closing_ = true;
    reject();
}

void KeyBindingDialog::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat()) return;
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    const VirtualKey key = VirtualKeyOf(*event);
    held_.insert(KeyIdentity(*event), key.code);
    capture_.KeyDown(key.flags, key.code);
    ShowCaptured();
}

void KeyBindingDialog::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat()) return;
    held_.remove(KeyIdentity(*event));
    RequestClose();
}

void KeyBindingDialog::mousePressEvent(QMouseEvent* event) {
    const int button = MouseButtonNumber(event->button());
    if (button == 0) return;
    capture_.MouseButtonDown(button);
    ShowCaptured();
}

void KeyBindingDialog::mouseReleaseEvent(QMouseEvent* event) {
    const int button = MouseButtonNumber(event->button());
    if (button == 0) return;
    capture_.MouseButtonUp(button);
    RequestClose();
}

void KeyBindingDialog::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    capture_.Wheel(delta);
    ShowCaptured();
    RequestClose();
}

void KeyBindingDialog::PollJoystick() {
    for (const auto& [button, down] : joystick_.Changes()) {
        if (down) {
            capture_.JoystickButtonDown(button);
            ShowCaptured();
        } else {
            capture_.JoystickButtonUp(button);
            RequestClose();
        }
    }
}

}  // namespace korvex
