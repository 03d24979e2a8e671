#include "bindings/KeyboardWidget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/TextCodec.h"
#include "bindings/KeyboardLayout.h"
#include "bindings/KeyboardMap.h"

namespace korvex {
namespace {

constexpr double kBoardWidth = 27;    // in key widths
constexpr double kBoardHeight = 6.5;  // the keys; the legend lies below
constexpr double kLegendHeight = 1.2;
constexpr double kMinimumUnit = 30;   // pixels per key width

// The hues of the three kinds come from a palette that colour-blind players tell apart
// (blue, bluish green, orange); each kind also has its letter and its pattern.
struct KindStyle {
    QColor hue;
    Qt::BrushStyle pattern;
    const char* letter;
    const char* meaning;
};

const KindStyle& StyleOf(KeyKind kind) {
    static const KindStyle styles[] = {
        {QColor(0x00, 0x72, 0xB2), Qt::SolidPattern, "O", "one macro of this Player-CFG"},
        {QColor(0x00, 0x9E, 0x73), Qt::Dense5Pattern, "I", "inherited from an ancestor"},
        {QColor(0xE6, 0x9F, 0x00), Qt::BDiagPattern, "S", "shared by several macros"},
    };
    return styles[static_cast<int>(kind)];
}

QColor Blend(const QColor& base, const QColor& hue, double share) {
    return QColor::fromRgbF(base.redF() + (hue.redF() - base.redF()) * share,
                            base.greenF() + (hue.greenF() - base.greenF()) * share,
                            base.blueF() + (hue.blueF() - base.blueF()) * share);
}

}  // namespace

KeyboardWidget::KeyboardWidget(const KeyMap& map, QWidget* parent) : QWidget(parent), map_(map) {
    setObjectName(QStringLiteral("Keyboard"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QStringLiteral("Point at a key to see what it does; click it to select its macros."));
}

QSize KeyboardWidget::sizeHint() const {
    return QSize(qRound(kBoardWidth * 38), qRound((kBoardHeight + kLegendHeight) * 38));
}

QSize KeyboardWidget::minimumSizeHint() const {
    return QSize(qRound(kBoardWidth * kMinimumUnit), qRound((kBoardHeight + kLegendHeight) * kMinimumUnit));
}

double KeyboardWidget::Unit() const {
    return std::max(kMinimumUnit, std::min(width() / kBoardWidth, height() / (kBoardHeight + kLegendHeight)));
}

QRectF KeyboardWidget::CapRectF(int index) const {
    const KeyCap& cap = KeyboardLayout()[index];
    const double unit = Unit();
    return QRectF(cap.x * unit, cap.y * unit, cap.width * unit, cap.height * unit).adjusted(1.5, 1.5, -1.5, -1.5);
}

QRect KeyboardWidget::CapRect(const QString& name) const {
    const auto& layout = KeyboardLayout();
    for (int i = 0; i < static_cast<int>(layout.size()); ++i)
        if (QString::fromLatin1(layout[i].name) == name) return CapRectF(i).toRect();
    return {};
}

int KeyboardWidget::CapAt(const QPointF& point) const {
    for (int i = 0; i < static_cast<int>(KeyboardLayout().size()); ++i)
        if (CapRectF(i).contains(point)) return i;
    return -1;
}

CapLook KeyboardWidget::LookOf(const QString& name) const {
    const KeyOnBoard board = KeyOnBoardOf(map_, FromQString(name));
    CapLook look;
    look.bound = board.binding != nullptr;
    if (board.binding) look.kind = KeyKindOf(map_, *board.binding);
    look.modifier = !board.chords.empty();
    return look;
}

QColor KeyboardWidget::TintOf(KeyKind kind) const { return Blend(palette().color(QPalette::Base), StyleOf(kind).hue, 0.45); }

void KeyboardWidget::SetSelected(const QString& name) {
    selected_ = name;
    update();
}

void KeyboardWidget::PaintCap(QPainter& painter, const QRectF& rect, const QString& label, const CapLook& look,
                              bool selected) const {
    const QPalette& colours = palette();
    QPainterPath outline;
    outline.addRoundedRect(rect, 4, 4);
    painter.fillPath(outline, look.bound ? TintOf(look.kind) : colours.color(QPalette::Button));
    if (look.bound) {
        const KindStyle& style = StyleOf(look.kind);
        // The pattern fills the lower band only, so that the label stays easy to read.
        const QRectF band(rect.left(), rect.bottom() - rect.height() * 0.28, rect.width(), rect.height() * 0.28);
        painter.save();
        painter.setClipPath(outline);
        painter.fillRect(band, QBrush(Blend(colours.color(QPalette::Base), style.hue, 0.9), style.pattern));
        painter.restore();
        QFont small = font();
        small.setBold(true);
        small.setPointSizeF(font().pointSizeF() * 0.75);
        painter.setFont(small);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(rect.adjusted(3, 1, -3, 0), Qt::AlignTop | Qt::AlignRight, QString::fromLatin1(style.letter));
    }
    QPen frame(look.modifier ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid));
    frame.setWidthF(look.modifier ? 3 : 1);
    if (look.modifier) frame.setStyle(Qt::DashLine);
    if (selected) {
        frame.setColor(colours.color(QPalette::Highlight));
        frame.setWidthF(3);
    }
    painter.setPen(frame);
    painter.drawPath(outline);

    QFont text = font();
    text.setBold(selected);
    // A long name is set smaller until it fits its cap.
    const double room = rect.width() - 4;
    const double needed = QFontMetricsF(text).horizontalAdvance(label);
    if (needed > room) text.setPointSizeF(std::max(5.0, text.pointSizeF() * room / needed));
    painter.setFont(text);
    painter.setPen(colours.color(look.bound ? QPalette::Text : QPalette::ButtonText));
    painter.drawText(rect.adjusted(2, 0, -2, -rect.height() * 0.2), Qt::AlignCenter, label);
}

void KeyboardWidget::PaintLegend(QPainter& painter) const {
    const double unit = Unit();
    const double y = (kBoardHeight + 0.35) * unit;
    double x = 0;
    const auto entry = [&](const CapLook& look, const QString& text) {
        PaintCap(painter, QRectF(x, y, unit * 0.9, unit * 0.75), QString(), look, false);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QRectF textRect(x + unit, y, unit * 5.6, unit * 0.75);
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
        x += unit * 6.75;
    };
    for (KeyKind kind : {KeyKind::Own, KeyKind::Inherited, KeyKind::Shared})
        entry({true, kind, false}, QString::fromLatin1(StyleOf(kind).letter) + QStringLiteral(": ") +
                                       QString::fromLatin1(StyleOf(kind).meaning));
    entry({false, KeyKind::Own, true}, QStringLiteral("dashed frame: modifier of chords"));
}

void KeyboardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& layout = KeyboardLayout();
    for (int i = 0; i < static_cast<int>(layout.size()); ++i) {
        const QString name = QString::fromLatin1(layout[i].name);
        PaintCap(painter, CapRectF(i), QString::fromLatin1(layout[i].label), LookOf(name),
                 !selected_.isEmpty() && name.compare(selected_, Qt::CaseInsensitive) == 0);
    }
    PaintLegend(painter);
}

void KeyboardWidget::mouseMoveEvent(QMouseEvent* event) {
    const int cap = CapAt(event->position());
    if (cap == hovered_) return;
    hovered_ = cap;
    emit KeyHovered(cap < 0 ? QString() : QString::fromLatin1(KeyboardLayout()[cap].name));
}

void KeyboardWidget::mousePressEvent(QMouseEvent* event) {
    const int cap = CapAt(event->position());
    if (event->button() == Qt::LeftButton && cap >= 0) emit KeyClicked(QString::fromLatin1(KeyboardLayout()[cap].name));
}

void KeyboardWidget::leaveEvent(QEvent*) {
    hovered_ = -1;
    emit KeyHovered(QString());
}

}  // namespace korvex
