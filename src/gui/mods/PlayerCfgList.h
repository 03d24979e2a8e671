// The sorted Player-CFG lists of the MOD dialogs, in the order of every sorted list of Korvex
// (letters without regard to case), so that what they write matches the tree and korvex-cli.
#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace korvex {

// The list must sort its items: each takes its place in that order.
void AddPlayerCfgItems(QListWidget& list, const std::vector<std::string>& names);

}  // namespace korvex
