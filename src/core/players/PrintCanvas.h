// A printer as the Player-CFG listing sees it: fonts measured and text drawn in printer
// units, page by page. QPainterCanvas draws on a printer or a PDF file; tests record the calls.
#pragma once

#include <string>

namespace korvex {

struct PrintFont {
    int pointSize = 12;
    bool underline = false;
    // Every line asks for this face with fixed pitch; the platform may substitute another.
    std::string family = "Times New Roman";
    bool fixedPitch = true;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // The height of the canvas's own default font, which the margins are measured in.
    virtual int DefaultFontHeight() = 0;
    virtual int FontHeight(const PrintFont& font) = 0;
    // The height and width of the printable area; y counts from its top, x from its left.
    virtual int PageHeight() = 0;
    virtual int PageWidth() = 0;
    virtual int TextWidth(const std::string& text, const PrintFont& font) = 0;

    // The text's top left corner is at (x, y). The first call begins the document.
    virtual void DrawText(int x, int y, const std::string& text, const PrintFont& font) = 0;
    virtual void NewPage() = 0;
    // False when the printer or the file did not take the document.
    virtual bool EndDocument() = 0;
    // The printer or file the document goes to, for a message.
    virtual std::string Target() const = 0;
};

}  // namespace korvex
