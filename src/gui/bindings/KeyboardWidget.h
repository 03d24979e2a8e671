// The drawn keyboard, mouse and joystick of the keyboard map. Every bound input is tinted by
// its kind and carries the kind's letter and pattern, so that the kinds can be told apart
// without colour; a chord's modifier is framed. The colours follow the window's palette.
#pragma once

#include <QColor>
#include <QWidget>

#include "compiler/KeyMap.h"

namespace korvex {

// How a drawn input is shown: unbound, one of the three kinds, and whether chords use it as
// their modifier.
struct CapLook {
    bool bound = false;
    KeyKind kind = KeyKind::Own;
    bool modifier = false;
};

class KeyboardWidget : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardWidget(const KeyMap& map, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    CapLook LookOf(const QString& name) const;
    // The fill of a bound input of that kind in the current palette.
    QColor TintOf(KeyKind kind) const;
    // Where the first input of that name is drawn; empty when the keyboard has none.
    QRect CapRect(const QString& name) const;
    void SetSelected(const QString& name);

signals:
    void KeyHovered(const QString& name);  // empty when the pointer left every input
    void KeyClicked(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    double Unit() const;
    QRectF CapRectF(int index) const;
    int CapAt(const QPointF& point) const;
    void PaintCap(QPainter& painter, const QRectF& rect, const QString& label, const CapLook& look, bool selected) const;
    void PaintLegend(QPainter& painter) const;

    const KeyMap& map_;
    QString selected_;
    int hovered_ = -1;
};

}  // namespace korvex
