// The last stage of a compile: "Shared Bindings and Hotkeys.CFG" merges the bindings that
// several macros put on one key; p_hk_<modifier>.cfg and m_hk_<modifier>.cfg make two-key
// chords work; "Initialize Hotkeys.CFG" starts their release aliases empty.
#pragma once

#include "app/Messages.h"

namespace korvex {

struct Korvex;
struct CompileJob;
struct BindingPass;

// 0, or the code of the error last reported (22 or 24).
MessageCode WriteSharedAndHotkeyScripts(Korvex& app, const CompileJob& job, const BindingPass& pass);

}  // namespace korvex
