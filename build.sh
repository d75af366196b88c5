#!/bin/sh
# One command from a fresh Debian 12 machine: installs what is missing, builds, then runs the
# game (run), every test (test), every test under AddressSanitizer and UndefinedBehaviorSanitizer
# (sanitize), the fuzz targets with clang's libFuzzer for FUZZ_SECONDS each (fuzz), renders
# every window to docs/screenshots/ for the README (screenshots), runs every benchmark once,
# quickly, so one that no longer runs to a clean end shows (bench), makes the Debian package
# build/keystrider_*.deb (package), or counts the game's start against a bare Qt window
# (startup).
set -eu
cd "$(dirname "$0")"
what=${1:-run}
case "$what" in
run | test | sanitize | fuzz | screenshots | bench | package | build | startup) ;;
*)
    echo "usage: $0 [run|test|sanitize|fuzz|screenshots|bench|package|build|startup]" >&2
    exit 2
    ;;
esac

# libqt6opengl6-dev: Debian 12's qt6-charts-dev needs its CMake files but does not pull it in.
# pkg-config, libxkbcommon-dev, libxkbcommon-x11-dev, xkb-data: the keyboard drawing's layouts;
# libxkbregistry-dev: the languages of those layouts, for the coach's words.
# qt6-multimedia-dev: the sound module plays the game's sounds through Qt Multimedia.
# qt6-tools-dev, qt6-l10n-tools: Qt Linguist's lupdate and lrelease build the windows' catalogues;
# qt6-translations-l10n: Qt's own, for its standard buttons; gettext: the menu entry's and the
# software-centre page's translations.
packages="g++ make cmake ninja-build qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext fonts-liberation desktop-file-utils appstream pkg-config libxkbcommon-dev libxkbcommon-x11-dev libxkbregistry-dev xkb-data"
config=""
case "$what" in
sanitize)
    build=${BUILD_DIR:-build-sanitize}
    # Line tables are all a sanitizer report needs; full debug info only slows the build.
    config="-DKEYSTRIDER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1"
    ;;
package)
    build=${BUILD_DIR:-build}
    # dpkg-shlibdeps finds the libraries the package depends on; lintian judges the package.
    packages="$packages dpkg-dev lintian"
    ;;
startup)
    build=${BUILD_DIR:-build}
    # valgrind's callgrind counts the instructions; Xvfb is the X server when there is no display.
    packages="$packages valgrind xvfb"
    ;;
fuzz)
    build=${BUILD_DIR:-build-fuzz}
    packages="$packages clang libclang-rt-14-dev"
    config="-DKEYSTRIDER_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++"
    ;;
*) build=${BUILD_DIR:-build} ;;
esac

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja $config
if [ "$what" = fuzz ]; then
    # Only the fuzzers: the rest of the tree is built and tested by the other commands.
    cmake --build "$build" --target $(for f in fuzz/*_fuzz.cpp; do basename "$f" .cpp; done)
elif [ "$what" = run ]; then
    # Only the game: a player need not wait for the tests. Its word files are copied beside it
    # when CMake configures the folder.
    cmake --build "$build" --target keystrider
elif [ "$what" = startup ]; then
    # The bench and what it starts: the game, its modules and the bare window.
    cmake --build "$build" --target startup_bench
else
    cmake --build "$build"
fi

case "$what" in
run) exec "$build/keystrider" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
sanitize)
    cd "$build"
    QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure
    ;;
fuzz)
    # Each target fuzzes a scratch copy of its seed corpus, so the committed seeds stay small.
    seconds=${FUZZ_SECONDS:-60}
    for fuzzer in "$build"/fuzz/*_fuzz; do
        name=$(basename "$fuzzer" _fuzz)
        scratch="$build/fuzz/work-$name"
        mkdir -p "$scratch"
        cp -n fuzz/corpus/"$name"/* "$scratch"/ 2>/dev/null || true
        echo "== fuzzing $name for ${seconds}s"
        "$fuzzer" -max_total_time="$seconds" -max_len=65536 "$scratch"
    done
    ;;
screenshots)
    # The committed copies are replaced whole, so a window no longer drawn leaves no stale picture.
    rm -f docs/screenshots/*.png docs/screenshots/dark/*.png
    QT_QPA_PLATFORM=offscreen "$build/tools/screenshots" docs/screenshots
    ;;
bench)
    # Each with few repeats (KEYSTRIDER_BENCH_QUICK), its figures meaning nothing; whatever
    # benchmarks the folder holds, each ended after ten minutes at the latest. The start-up
    # bench needs valgrind and an X server, so it has a command of its own (startup).
    failed=""
    for bench in "$build"/bench/*_bench; do
        name=$(basename "$bench")
        [ "$name" = startup_bench ] && continue
        echo "== $name"
        KEYSTRIDER_BENCH_QUICK=1 QT_QPA_PLATFORM=offscreen timeout 600 "$bench" ||
            failed="$failed $name"
    done
    if [ -n "$failed" ]; then
        echo "benchmarks that did not run to a clean end:$failed" >&2
        exit 1
    fi
    echo "every benchmark ran to a clean end"
    ;;
package) cd "$build" && cpack -G DEB ;;
startup) "$build/bench/startup_bench" ;;
build) ;;
esac
