#!/usr/bin/env bash
# One entry for players and developers on Debian 12:
#   tools/dev.sh play   install what is missing, build, start the game
#   tools/dev.sh test   install what is missing, build, run every test
# Extra arguments after "test" go to ctest (for example: -R Market).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# Debian packages the build and the tests need.
packages=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev
          libgtest-dev libgmock-dev libbenchmark-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    install_missing
    cmake --preset default >/dev/null
    cmake --build --preset default
}

case "${1:-}" in
    play)
        build
        exec "$root/build/default/zenthari-trader"
        ;;
    test)
        shift
        build
        ctest --preset default "$@"
        ;;
    *)
        echo "usage: tools/dev.sh play|test [ctest arguments]" >&2
        exit 2
        ;;
esac
