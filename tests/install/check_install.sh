#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a player's desktop would see
# it: the layout, the installed program's --version, the desktop entry and the metainfo; then
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

# --version needs no display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zenthari-trader" --version)
[ "$answer" = "Zenthari Trader $version" ] || fail "--version said: $answer"

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
[ -z "$(ls -A "$work/home")" ] || fail "the game wrote into the home folder: $(ls -A "$work/home")"
echo "install layout, desktop files and player files: all good"
