#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a player's desktop would see
# it: the layout, the installed program's command line, the desktop entry and the metainfo; then
# plays the installed game until it saves and writes a high score, which must land in the
# player's data folder while nothing under the prefix changes.
#   check_install.sh BUILD_DIR INSTALLED_GAME_CHECK VERSION APP_ID
set -euo pipefail
build=$1 check=$2 version=$3 id=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

share=$prefix/share
expected=(bin/zenthari-trader
          share/zenthari-trader/strings.txt share/zenthari-trader/Winners.txt
          share/zenthari-trader/Graphics/1.jpg share/zenthari-trader/Graphics/16.jpg
          share/zenthari-trader/Sounds/jet.wav
          share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/man6/zenthari-trader.6)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/zenthari-trader" ] || fail "the program is not executable"

# The command line needs no display: --help and --version answer on standard output, any
# argument neither theirs nor Qt's is refused on standard error with status 2, and Qt's own
# options still start the game (stopped here after a second).
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zenthari-trader" "$@" \
        >"$work/out" 2>"$work/err" || status=$?
}
run --version
[ $status -eq 0 ] && [ "$(cat "$work/out")" = "Zenthari Trader $version" ] ||
    fail "--version: status $status, $(cat "$work/out" "$work/err")"
run --help
[ $status -eq 0 ] && [ ! -s "$work/err" ] && head -1 "$work/out" | grep -q '^Usage: zenthari-trader ' ||
    fail "--help: status $status, $(head -1 "$work/out")"
while IFS='|' read -r args complaint; do
    # shellcheck disable=SC2086 # each row's arguments are split on purpose
    run $args
    [ $status -eq 2 ] && [ ! -s "$work/out" ] && [ "$(head -1 "$work/err")" = "$complaint" ] &&
        sed -n 2p "$work/err" | grep -q '^Usage: zenthari-trader ' ||
        fail "'$args': status $status, $(head -2 "$work/err")"
done <<'ROWS'
--bogus|zenthari-trader: unknown option '--bogus'
saved.zht|zenthari-trader: unexpected argument 'saved.zht'
-platform offscreen -style|zenthari-trader: option '-style' needs a value
ROWS
status=0
timeout 1 "$prefix/bin/zenthari-trader" -platform offscreen -style=fusion --reverse \
    >/dev/null 2>"$work/err" || status=$?
[ $status -eq 124 ] || fail "Qt's options: status $status, $(cat "$work/err")"

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo"

snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | sort); }
snapshot > "$work/before"
mkdir -p "$work/home"
HOME=$work/home XDG_DATA_HOME=$work/data ZT_INSTALLED_PROGRAM_FOLDER=$prefix/bin \
    QT_QPA_PLATFORM=offscreen "$check" || fail "the installed game"
snapshot > "$work/after"
diff "$work/before" "$work/after" || fail "the game changed files under the prefix"
[ -f "$work/data/zenthari-trader/Winners.txt" ] || fail "no high score file in XDG_DATA_HOME"
[ -f "$work/data/zenthari-trader/saves/voyage.zht" ] || fail "no saved game in XDG_DATA_HOME"
[ -z "$(ls -A "$work/home")" ] || fail "the game wrote into the home folder: $(ls -A "$work/home")"
echo "install layout, desktop files and player files: all good"
