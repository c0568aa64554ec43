#!/usr/bin/env bash
# One entry for players and developers on Debian 12:
#   tools/dev.sh play   install what is missing, build, start the game
#   tools/dev.sh test   install what is missing, build, run every test
#   tools/dev.sh package   install what is missing, build the Debian package into
#                          build/package/ and check it with lintian
# Extra arguments after "test" go to ctest (for example: -R Market).
# For developers, under the sanitizers (clang and the fuzz preset, built into build/fuzz):
#   tools/dev.sh fuzz [seconds]         every fuzz target from its corpus (default 30 s each)
#   tools/dev.sh soak [actions] [seed]  random play of the rules (default 100,000 commands)
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

build() {
    install_missing
    cmake --preset default >/dev/null
    cmake --build --preset default
}

# The fuzz preset: clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
build_fuzz() {
    packages=(build-essential cmake ninja-build clang libclang-rt-14-dev)
    install_missing
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
}

# Runs one fuzz target for $2 seconds from its seed corpus; what it adds to the corpus
# stays in build/fuzz/runs/TARGET/corpus for the next run, an input that breaks the target
# in build/fuzz/runs/TARGET/findings.
run_fuzzer() {
    local target=$1 seconds=$2 out=$root/build/fuzz/runs/$1
    mkdir -p "$out/corpus" "$out/findings"
    if "$root/build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$out/findings/" "$out/corpus" "$root/fuzz/corpus/$target" \
        >"$out/log" 2>&1; then
        echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$out/log")"
    else
        tail -n 60 "$out/log"
        echo "$target: FAILED, the input is in $out/findings/" >&2
        return 1
    fi
}

# Every fuzz target, as many at a time as there are cores.
fuzz_all() {
    local seconds=$1 failed=0 running=0 corpus
    for corpus in "$root"/fuzz/corpus/*/; do
        if [ "$running" -ge "$(nproc)" ]; then
            wait -n || failed=1
            running=$((running - 1))
        fi
        run_fuzzer "$(basename "$corpus")" "$seconds" &
        running=$((running + 1))
    done
    while [ "$running" -gt 0 ]; do
        wait -n || failed=1
        running=$((running - 1))
    done
    return "$failed"
}

case "${1:-}" in
    play)
        build
        exec "$root/build/default/zenthari-trader"
        ;;
    fuzz)
        build_fuzz
        fuzz_all "${2:-30}"
        ;;
    soak)
        build_fuzz
        "$root/build/fuzz/zt_soak" --actions "${2:-100000}" ${3:+--seed "$3"}
        ;;
    test)
        shift
        build
        ctest --preset default "$@"
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
    *)
        echo "usage: tools/dev.sh play|test [ctest arguments]|package|fuzz [seconds]|soak [actions] [seed]" >&2
        exit 2
        ;;
esac
