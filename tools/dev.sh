#!/usr/bin/env bash
# One entry for players and developers on Debian 12:
#   tools/dev.sh play   install what is missing, build, start the game
#   tools/dev.sh test   install what is missing, build, run every test
#   tools/dev.sh package   install what is missing, build the Debian package into
#                          build/package/ and check it with lintian
#   tools/dev.sh format         format every C++ file of the tree with .clang-format
#   tools/dev.sh format-check   fail on any C++ file that clang-format would change
# Extra arguments after "test" go to ctest (for example: -R Market). ZT_PRESET picks the
# CMake preset that play and test use (default; ci adds -Werror; asan the sanitizers).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# Debian packages the build and the tests need (the install test validates the desktop
# entry and the metainfo).
packages=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev
          libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream)

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

preset=${ZT_PRESET:-default}

build() {
    install_missing
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

# The C++ files under version control (clang-format 14 is Debian 12's).
cxx_files() {
    git -C "$root" ls-files -z '*.cpp' '*.h' '*.cc'
}

case "${1:-}" in
    play)
        build
        exec "$root/build/$preset/zenthari-trader"
        ;;
    test)
        shift
        build
        ctest --preset "$preset" "$@"
        ;;
    package)
        packages=(build-essential debhelper cmake ninja-build qt6-base-dev qt6-multimedia-dev
                  lintian)
        install_missing
        # Built from a copy of the tree, so the source stays clean and everything the build
        # leaves (the .deb, .buildinfo and .changes beside the copy) is under build/package/.
        out=$root/build/package
        rm -rf "$out"
        mkdir -p "$out/zenthari-trader"
        tar -C "$root" --exclude=./build --exclude=./.git --exclude=./.cache -cf - . |
            tar -C "$out/zenthari-trader" -xf -
        (cd "$out/zenthari-trader" &&
            DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b)
        rm -rf "$out/zenthari-trader"
        deb=("$out"/zenthari-trader_*.deb)
        echo "Built ${deb[0]}"
        lintian --fail-on error "${deb[0]}"
        ;;
    format)
        packages=(clang-format)
        install_missing
        cxx_files | xargs -0 clang-format -i
        ;;
    format-check)
        packages=(clang-format)
        install_missing
        cxx_files | xargs -0 clang-format --dry-run --Werror
        echo "Every C++ file is formatted"
        ;;
    *)
        echo "usage: tools/dev.sh play|test|package|format|format-check [ctest arguments]" >&2
        exit 2
        ;;
esac
