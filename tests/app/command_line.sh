#!/usr/bin/env bash
# The program's command line, run without a display: --help and --version answer on
# standard output, anything that is neither theirs nor Qt's is refused on standard error
# with exit status 2, and Qt's own options still start the game.
#   command_line.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run ARGS...: leaves the exit status, standard output and standard error in $status,
# $work/out and $work/err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

run --help
[ $status -eq 0 ] && [ ! -s "$work/err" ] && head -1 "$work/out" | grep -q '^Usage: zenthari-trader ' ||
    fail "--help: status $status, $(head -1 "$work/out")"
run --version
[ $status -eq 0 ] && [ "$(cat "$work/out")" = "Zenthari Trader $version" ] ||
    fail "--version: status $status, $(cat "$work/out" "$work/err")"

while IFS='|' read -r args complaint; do
    # shellcheck disable=SC2086 # the arguments of each row are split on purpose
    run $args
    [ $status -eq 2 ] && [ ! -s "$work/out" ] && [ "$(head -1 "$work/err")" = "$complaint" ] &&
        sed -n 2p "$work/err" | grep -q '^Usage: zenthari-trader ' ||
        fail "'$args': status $status, $(head -2 "$work/err")"
done <<'ROWS'
--bogus|zenthari-trader: unknown option '--bogus'
saved.zht|zenthari-trader: unexpected argument 'saved.zht'
-style|zenthari-trader: option '-style' needs a value
-platform offscreen --helpme|zenthari-trader: unknown option '--helpme'
ROWS

# Qt's options are Qt's: the game starts (and is stopped after a second).
QT_QPA_PLATFORM= timeout 1 "$program" -platform offscreen -style=fusion --reverse \
    >/dev/null 2>"$work/err"
status=$?
[ $status -eq 124 ] || fail "Qt's options: status $status, $(cat "$work/err")"

[ $failures -eq 0 ] && echo "command line: all good"
exit $((failures > 0))
