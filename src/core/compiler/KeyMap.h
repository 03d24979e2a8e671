// The keyboard map of a compiled Player-CFG: every key the compiled scripts bind for a
// macro, what it runs in the game and which macros bind it. The compile that writes the
// scripts fills it from its binding pass; nothing reads the written files again.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct BindingPass;
struct CompileJob;

struct KeyMapMacro {
    std::string description;
    std::string player;  // the Player-CFG that includes it: the compiled one or an ancestor
    std::string category;
};

struct KeyMapKey {
    std::string key;      // "F1"; a chord as stored, "<key>|<modifier>"
    std::string command;  // what the key runs in the game, merged when several macros bind it
    std::vector<KeyMapMacro> macros;  // in the order their commands are merged

    bool IsChord() const { return key.find('|') != std::string::npos; }
    std::string Modifier() const;  // of a chord; empty for a plain key
};

struct KeyMap {
    std::string player;           // the compiled Player-CFG
    std::vector<KeyMapKey> keys;  // sorted by key name, letter case ignored
};

// One binding of a macro as the binding pass met it.
struct MacroBinding {
    std::string line;  // "BIND <key> \"<command>\"", one key, a chord's key field as stored
    KeyMapMacro macro;
    int categoryIndex = 0;
};

// Bound by one macro of the compiled Player-CFG, by one macro of an ancestor, or by
// several macros (a possible conflict the player may not have meant).
enum class KeyKind { Own, Inherited, Shared };
KeyKind KeyKindOf(const KeyMap& map, const KeyMapKey& key);

// The map of a compile whose binding pass has written every script; the player is the one
// job.keyMap names.
KeyMap KeyMapOf(const CompileJob& job, const BindingPass& pass);

// "Say hello (Tester); Say goodbye (Tester)".
std::string MacroListOf(const KeyMapKey& key);
// The key, the command and the macros, separated by tabs.
std::string KeyMapLine(const KeyMapKey& key);

// The keys that macros of different categories bind, in map order.
std::vector<std::string> SharedKeysAcrossCategories(const KeyMap& map);
// What the launch says about them before the game starts: "2 keys are shared by macros of
// different categories: A, MOUSE1"; empty when there are none.
std::string SharedKeysNotice(const KeyMap& map);
// The modifiers of the map's chords, each once, in map order.
std::vector<std::string> ChordModifiersOf(const KeyMap& map);
// The plain key or chord of that name (letter case ignored); null when nothing binds it.
const KeyMapKey* FindMappedKey(const KeyMap& map, const std::string& key);

}  // namespace korvex
