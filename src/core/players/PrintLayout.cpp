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
        if (!rest.empty()) keepWithNext_ = true;
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
    const int advance = fontHeight_ * 3 / 2;
    // A page breaks before a line that does not fit, so a document never ends on an empty page.
    // An empty line is left out there instead: no page begins with one.
    if (y_ > y0_ && (pageFull_ || y_ + advance > canvas_.PageHeight())) {
        if (text.empty() && !keepWithNext_) {
            pageFull_ = true;
            return;
        }
        BreakPage(advance);
    }
    if (!keepWithNext_) keptFrom_ = pieces_.size();
    pieces_.push_back({false, x_, y_, text, font});
    // An empty line below a heading keeps it with what follows.
    keepWithNext_ = keepWithNext_ && text.empty();
    y_ += advance;
}

void PrintDocument::BreakPage(int advance) {
    pageFull_ = false;
    const int keptTop = keepWithNext_ ? pieces_[keptFrom_].y : y0_;
    // The rows kept with this one move along, unless they already begin their page or would
    // not fit on the new one together with it.
    if (keptTop > y0_ && y_ - keptTop + advance <= canvas_.PageHeight() - y0_) {
        const int shift = y0_ - keptTop;
        for (auto piece = pieces_.begin() + keptFrom_; piece != pieces_.end(); ++piece) piece->y += shift;
        pieces_.insert(pieces_.begin() + keptFrom_, {true});
        ++keptFrom_;
        y_ += shift;
        return;
    }
    pieces_.push_back({true});
    keptFrom_ = pieces_.size();
    y_ = y0_;
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
    keepWithNext_ = true;
}

void PrintDocument::KeepWithNextLine() { keepWithNext_ = true; }

void PrintDocument::TightenLineSpacing() {
    y_ -= fontHeight_ * 3 / 10;
    keepWithNext_ = true;
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
