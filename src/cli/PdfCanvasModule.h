// korvex-cli loads Qt's GUI libraries only to print: the PDF file "print" draws on comes from
// a module of its own, korvex-cli-pdf.so, which lies in lib/korvex beside korvex-cli's directory.
#pragma once

#include "players/PrintCanvas.h"

namespace korvex {

inline constexpr const char* kPdfCanvasModule = "lib/korvex/korvex-cli-pdf.so";
inline constexpr const char* kOpenPdfCanvasName = "KorvexOpenPdfCanvas";

}  // namespace korvex

// The module's one entry: a canvas that draws an A4 PDF file at path, with title as the
// document's title; both in Korvex's spelling. The caller deletes the canvas.
extern "C" korvex::PrintCanvas* KorvexOpenPdfCanvas(const char* path, const char* title);
