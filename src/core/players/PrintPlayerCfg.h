// "Print Player-CFG": the option values, the special settings, the key bindings per
// category and the additional commands of a Player-CFG, as the compile validated them.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct CompileJob;
class PrintCanvas;

std::string EnabledText(bool on);

void BitBtn6Click(Korvex& app);  // "Print Player-CFG"

// Compiles player in print mode and prints it on canvas; true when the document was printed.
bool PrintPlayerConfig(Korvex& app, const std::string& player, PrintCanvas& canvas);

// The listing of the Player-CFG the compile loaded. A .out file that cannot be read or
// has no category stops it; the stopped document is discarded and nothing is printed.
bool PrintPlayerCFG(Korvex& app, const CompileJob& job, PrintCanvas& canvas);

}  // namespace korvex
