# The operations of the kill sweep. operation_NAME sets OPERATION_ARGS, korvex-cli's arguments.
# Every operation starts from the demo plus what prepare_common lays out (with the `korvex`
# function, on $tree): Player (current, assigned to both MODs, Jump on F5), Second (a copy,
# assigned to Capture The Flag, inherited from by Child), Spare (assigned to Arena), the player's
# own config files in the game and in his per-user directory, and an exchange file holding Player
# and Second. prepare_NAME, where there is one, lays out what the operation needs beyond that.
ALL_OPERATIONS=(import export install-new install-update install-pack scan-mods add-macro set-keys set-option
                new-player copy-player rename-player delete-player rename-mod rename-installed remove-mod remove-installed
                launch)

prepare_common() {
  korvex add-macro Player M_JUMP.MAC --key F5 &&
  korvex copy-player Player Second && korvex new-player Spare && korvex new-player Child --inherit Second &&
  korvex assign ctf Second && korvex assign arena Spare &&
  korvex export "$tree/exchange/two.kxp" Player Second &&
  korvex set-option Second "Field Of View (Degree)" 110 &&
  printf 'bind x "+attack"\r\n' > "$tree/quake2/ctf/CONFIG.CFG" && chmod 444 "$tree/quake2/ctf/CONFIG.CFG" &&
  printf 'echo my own autoexec\r\n' > "$tree/quake2/ctf/AUTOEXEC.CFG" &&
  printf 'set base 1\r\n' > "$tree/quake2/baseq2/config.cfg" &&
  mkdir -p "$tree/home/.yq2/ctf" && printf 'set user 1\r\n' > "$tree/home/.yq2/ctf/config.cfg"
}

# zip_directory ZIP DIRECTORY...: an archive of directories of the game, as a MOD's author packs it.
zip_directory() { local zip=$1; shift; (cd "$tree/quake2" && zip -qr "$zip" "$@"); }

prepare_import() { korvex use Spare; }
operation_import() { OPERATION_ARGS=(import "$tree/exchange/two.kxp"); }

operation_export() { OPERATION_ARGS=(export "$tree/exchange/out.kxp" Player Second Child); }

prepare_install-new() { zip_directory "$tree/exchange/arena.zip" arena && korvex remove-mod arena --delete-files; }
operation_install-new() { OPERATION_ARGS=(install "$tree/exchange/arena.zip"); }

prepare_install-update() {
  mkdir -p "$tree/quake2/ctf/maps" && printf 'a map' > "$tree/quake2/ctf/maps/q2ctf9.bsp" &&
    zip_directory "$tree/exchange/ctf.zip" ctf && rm -r "$tree/quake2/ctf/maps"
}
operation_install-update() { OPERATION_ARGS=(install "$tree/exchange/ctf.zip"); }

# A map pack into baseq2: its pak0.pak replaces the game's, which its manifest keeps a copy of.
# Detection knows it by its pak0.pak.
pack_zip() {
  printf 'baseq2\r\npak0.pak=8\r\n' > "$tree/korvex/automod/Map Pack" &&
  mkdir -p "$tree/exchange/pack/maps" && printf 'pack pak' > "$tree/exchange/pack/pak0.pak" &&
    printf 'new map' > "$tree/exchange/pack/maps/new.bsp" && printf 'other map' > "$tree/exchange/pack/maps/other.bsp" &&
    (cd "$tree/exchange/pack" && zip -qr "$tree/exchange/pack.zip" pak0.pak maps) && rm -r "$tree/exchange/pack"
}
prepare_install-pack() { pack_zip; }
operation_install-pack() { OPERATION_ARGS=(install "$tree/exchange/pack.zip"); }

# The removal by the manifest deletes new.bsp, keeps the changed other.bsp and puts pak0.pak back.
prepare_remove-installed() {
  pack_zip && korvex --yes install "$tree/exchange/pack.zip" &&
    printf 'my map' > "$tree/quake2/baseq2/maps/other.bsp"
}
operation_remove-installed() { OPERATION_ARGS=(remove-mod baseq2 --delete-files); }

# The scan finds Arena in another directory, renames Capture The Flag in its read-only entry,
# drops the entry of a directory that holds no MOD any more, and keeps the server-side-only one.
prepare_scan-mods() {
  korvex add-mod "Server Only" SERVERONLY && korvex add-mod Junk JUNK &&
    mkdir "$tree/quake2/junk" && echo notes > "$tree/quake2/junk/readme.txt" &&
    mv "$tree/quake2/arena" "$tree/quake2/arena2" &&
    sed -i '1s/.*/Old Flag (CTF)\r/' "$tree/korvex/mods/ctf" && chmod 444 "$tree/korvex/mods/ctf"
}
operation_scan-mods() { OPERATION_ARGS=(scan-mods); }

operation_add-macro() { OPERATION_ARGS=(add-macro Second M_CROUCH.MAC --key F7); }

operation_set-keys() { OPERATION_ARGS=(set-keys Player M_JUMP.MAC 1 F6); }

operation_set-option() { OPERATION_ARGS=(set-option Player "Field Of View (Degree)" 100); }

operation_new-player() { OPERATION_ARGS=(new-player Fresh --inherit Second); }

prepare_copy-player() { korvex add-macro Second M_CROUCH.MAC --key F7; }
operation_copy-player() { OPERATION_ARGS=(copy-player Player Second); }

prepare_rename-player() { korvex use Second; }
operation_rename-player() { OPERATION_ARGS=(rename-player Second Renamed); }

operation_delete-player() { OPERATION_ARGS=(delete-player Spare); }

operation_rename-mod() { OPERATION_ARGS=(rename-mod ctf "CTF Renamed" --dir ctfnew); }

# An installed MOD's manifest follows it into its new directory.
prepare_rename-installed() { prepare_install-new && korvex --yes install "$tree/exchange/arena.zip"; }
operation_rename-installed() { OPERATION_ARGS=(rename-mod arena "Arena Renamed" --dir arena2); }

operation_remove-mod() { OPERATION_ARGS=(remove-mod arena --delete-files); }

operation_launch() { OPERATION_ARGS=(launch ctf Player); }
