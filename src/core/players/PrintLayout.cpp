#include "players/PrintLayout.h"

#include <algorithm>

namespace korvex {

std::string PadToColumn(const std::string& text, std::size_t column) {
    const auto marker = text.find(kColumnMarker);
    if (marker == std::string::npos) return text;
    std::string padded = text.substr(0, marker) + text.substr(marker + 1);
    if (padded.size() < column) padded.insert(marker, column - padded.size(), ' ');
    return padded;
}

PrintDocument::PrintDocument(PrintCanvas& canvas)
    : canvas_(canvas), x0_(4 * canvas.DefaultFontHeight()), y0_(x0_), x_(x0_), y_(y0_) {}

void PrintDocument::PrintLine(const std::string& text, int pointSize) {
    const PrintFont font{pointSize, underline_};
    fontHeight_ = canvas_.FontHeight(font);
    std::string rest = PadToPage(text, font);
    do {
        const std::size_t length = FittingLength(rest, font);
        std::string row = rest.substr(0, length);
        rest.erase(0, length);
        if (!rest.empty()) {
            row.erase(row.find_last_not_of(' ') + 1);
            rest.erase(0, rest.find_first_not_of(' '));
        }
        PrintRow(row, font);
    } while (!rest.empty());
}

std::string PrintDocument::PadToPage(const std::string& text, const PrintFont& font) {
    const std::string padded = PadToColumn(text, kValueColumn);
    const int width = canvas_.PageWidth() - x_;
    if (text.find(kColumnMarker) == std::string::npos || canvas_.TextWidth(padded, font) <= width) return padded;
    for (std::size_t column = kValueColumn - 1; column >= text.size(); --column) {
        const std::string fewer = PadToColumn(text, column);
        if (canvas_.TextWidth(fewer, font) <= width) return fewer;
    }
    return padded;
}

std::size_t PrintDocument::FittingLength(const std::string& text, const PrintFont& font) {
    const int width = canvas_.PageWidth() - x_;
    if (canvas_.TextWidth(text, font) <= width) return text.size();
    std::size_t fits = 0, tooLong = text.size();
    while (fits + 1 < tooLong) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (canvas_.TextWidth(text.substr(0, middle), font) <= width) fits = middle;
        else tooLong = middle;
    }
    const auto blank = text.rfind(' ', fits);
    if (blank != std::string::npos && text.find_last_not_of(' ', blank) != std::string::npos) return blank;
    // A word wider than the page is broken where the page ends; a line always moves on.
    return std::max<std::size_t>(fits, 1);
}

void PrintDocument::PrintRow(const std::string& text, const PrintFont& font) {
    // A page break waits for the next line, so a document never ends on an empty page and
    // a break of its own right after a full page adds none.
    if (pageBreakDue_) {
        pieces_.push_back({true});
        pageBreakDue_ = false;
    }
    pieces_.push_back({false, x_, y_, text, font});
    pageHasText_ = true;
    const int advance = fontHeight_ * 3 / 2;
    y_ += advance;
    if (y_ + advance > canvas_.PageHeight()) NewPage();
}

void PrintDocument::PrintHeading(const std::string& text, int pointSize) {
    const auto blanks = text.find_first_not_of(' ');
    const std::size_t indent = blanks == std::string::npos ? text.size() : blanks;
    const int savedX = x_;
    underline_ = true;
    x_ += static_cast<int>(indent) * canvas_.FontHeight({pointSize, true});
    PrintLine(text.substr(indent), pointSize);
    x_ = savedX;
    underline_ = false;
}

void PrintDocument::TightenLineSpacing() {
    // Right after a page break the next line stays below the top margin.
    if (!pageBreakDue_) y_ -= fontHeight_ * 3 / 10;
}

void PrintDocument::NewPage() {
    if (pageHasText_) pageBreakDue_ = true;
    pageHasText_ = false;
    y_ = y0_;
}

bool PrintDocument::End() {
    for (const Piece& piece : pieces_) {
        if (piece.newPage) {
            canvas_.NewPage();
        } else {
            canvas_.DrawText(piece.x, piece.y, piece.text, piece.font);
        }
    }
    return canvas_.EndDocument();
}

}  // namespace korvex
