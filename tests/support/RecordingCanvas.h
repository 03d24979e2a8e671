// A printer that keeps every line drawn, with simple metrics: a font is five units per
// point high, a character two units per point wide, the default font ten units high.
#pragma once

#include <string>
#include <vector>

#include "players/PrintCanvas.h"

namespace korvex {

struct DrawnLine {
    int page;
    int x;
    int y;
    std::string text;
    PrintFont font;
};

class RecordingCanvas : public PrintCanvas {
public:
    explicit RecordingCanvas(int pageHeight = 100000, int pageWidth = 100000)
        : pageHeight_(pageHeight), pageWidth_(pageWidth) {}

    int DefaultFontHeight() override { return 10; }
    int FontHeight(const PrintFont& font) override { return font.pointSize * 5; }
    int PageHeight() override { return pageHeight_; }
    int PageWidth() override { return pageWidth_; }
    int TextWidth(const std::string& text, const PrintFont& font) override {
        return static_cast<int>(text.size()) * font.pointSize * 2;
    }
    void DrawText(int x, int y, const std::string& text, const PrintFont& font) override {
        lines.push_back({page, x, y, text, font});
    }
    void NewPage() override { ++page; }
    bool EndDocument() override {
        ++ended;
        return true;
    }
    std::string Target() const override { return "recording"; }

    // The first line drawn with exactly this text, or none.
    const DrawnLine* Find(const std::string& text) const {
        for (const DrawnLine& line : lines)
            if (line.text == text) return &line;
        return nullptr;
    }

    std::vector<DrawnLine> lines;
    int page = 0;
    int ended = 0;

private:
    int pageHeight_;
    int pageWidth_;
};

}  // namespace korvex
