// The printed listing drawn with a QPainter on a printer or a PDF file. It needs only Qt's
// GUI module, so that korvex-cli can write a PDF without a window.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "players/PrintCanvas.h"

namespace korvex {

// The face of the listing; a match without fixed pitch gives way to the system's fixed
// font, as the columns of the listing only line up in one.
QFont PrintQFont(const PrintFont& font);

class PainterCanvas : public PrintCanvas {
public:
    PainterCanvas(std::unique_ptr<QPagedPaintDevice> device, std::string target);
    ~PainterCanvas() override;

    int DefaultFontHeight() override;
    int FontHeight(const PrintFont& font) override;
    int PageHeight() override;
    int PageWidth() override;
    int TextWidth(const std::string& text, const PrintFont& font) override;
    void DrawText(int x, int y, const std::string& text, const PrintFont& font) override;
    void NewPage() override;
    bool EndDocument() override;
    std::string Target() const override { return target_; }

private:
    std::unique_ptr<QPagedPaintDevice> device_;
    std::string target_;
    QPainter painter_;
    bool failed_ = false;
};

}  // namespace korvex
