#include "players/PainterCanvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "app/TextCodec.h"

namespace korvex {

QFont PrintQFont(const PrintFont& font) {
    QFont qfont(ToQString(font.family), font.pointSize);
    qfont.setFixedPitch(font.fixedPitch);
    if (font.fixedPitch && !QFontInfo(qfont).fixedPitch())
        qfont.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    qfont.setUnderline(font.underline);
    return qfont;
}

PainterCanvas::PainterCanvas(std::unique_ptr<QPagedPaintDevice> device, std::string target)
    : device_(std::move(device)), target_(std::move(target)) {}

PainterCanvas::~PainterCanvas() {
    if (painter_.isActive()) painter_.end();
}

int PainterCanvas::DefaultFontHeight() { return QFontMetrics(QFont(), device_.get()).height(); }

int PainterCanvas::FontHeight(const PrintFont& font) { return QFontMetrics(PrintQFont(font), device_.get()).height(); }

int PainterCanvas::PageHeight() { return device_->height(); }

int PainterCanvas::PageWidth() { return device_->width(); }

int PainterCanvas::TextWidth(const std::string& text, const PrintFont& font) {
    return QFontMetrics(PrintQFont(font), device_.get()).horizontalAdvance(ToQString(text));
}

// The document begins with its first line, so a printer never sees a listing that stopped.
void PainterCanvas::DrawText(int x, int y, const std::string& text, const PrintFont& font) {
    if (failed_) return;
    if (!painter_.isActive() && !painter_.begin(device_.get())) {
        failed_ = true;
        return;
    }
    const QFont qfont = PrintQFont(font);
    painter_.setFont(qfont);
    painter_.drawText(x, y + QFontMetrics(qfont, device_.get()).ascent(), ToQString(text));
}

void PainterCanvas::NewPage() {
    if (painter_.isActive()) device_->newPage();
}

bool PainterCanvas::EndDocument() { return painter_.isActive() && !failed_ && painter_.end(); }

}  // namespace korvex
