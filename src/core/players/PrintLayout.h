// Where the lines of a printed listing go: margins of four default font heights, lines 1.5
// font heights apart, a new page when the next line would not fit. Lines that belong together
// go to the new page together: a heading with the line below it, the rows of a line wider
// than the page, and lines kept with the next one. The document is kept until End, so a
// listing that stops on an error prints nothing at all. A line wider than the page goes on in
// the next line, broken after a word where it can be.
#pragma once

#include <string>
#include <vector>

#include "players/PrintCanvas.h"

namespace korvex {

// The column marker of a line: its value ends at column 70.
inline constexpr char kColumnMarker = '\x14';
inline constexpr std::size_t kValueColumn = 70;

// The marker removed and blanks put in its place until the line is column characters long.
std::string PadToColumn(const std::string& text, std::size_t column);

class PrintDocument {
public:
    explicit PrintDocument(PrintCanvas& canvas);

    void PrintLine(const std::string& text, int pointSize);
    // Underlined; each leading blank indents it by one font height. It stays on the page of the
    // next line that is not empty.
    void PrintHeading(const std::string& text, int pointSize);
    // The line printed last stays on the page of the next one, as an option's value lines do.
    void KeepWithNextLine();
    // Brings the next line closer and keeps it with the line before, as between the keys of one function.
    void TightenLineSpacing();
    // Hands the whole document to the canvas; false when the canvas did not take it.
    bool End();

private:
    struct Piece {
        bool newPage = false;
        int x = 0;
        int y = 0;
        std::string text;
        PrintFont font;
    };

    // On a page narrower than the value column the value stands at the page's right edge; the
    // line keeps at least one blank before it, and goes on in the next line when even that is too wide.
    std::string PadToPage(const std::string& text, const PrintFont& font);
    // The length of the longest start of text that fits from x to the page's right edge.
    std::size_t FittingLength(const std::string& text, const PrintFont& font);
    void PrintRow(const std::string& text, const PrintFont& font);
    // Starts the page that the row about to be printed goes on.
    void BreakPage(int advance);

    PrintCanvas& canvas_;
    int x0_;
    int y0_;
    int x_;
    int y_;
    int fontHeight_ = 0;
    bool underline_ = false;
    // An empty line did not fit: the next line begins a new page.
    bool pageFull_ = false;
    // The next row belongs with the rows from keptFrom_ on, which go to a new page with it.
    bool keepWithNext_ = false;
    std::size_t keptFrom_ = 0;
    std::vector<Piece> pieces_;
};

}  // namespace korvex
