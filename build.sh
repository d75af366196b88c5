#!/bin/sh
# One command from a fresh Debian 12 machine: installs what is missing, builds, then runs the
# game (run), every test (test) or renders every window to screenshots/ (screenshots).
set -eu
cd "$(dirname "$0")"
what=${1:-run}
build=${BUILD_DIR:-build}

packages="g++ make cmake ninja-build qt6-base-dev fonts-liberation"
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

cmake -S . -B "$build" -G Ninja
cmake --build "$build"

case "$what" in
run) exec "$build/keystrider" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
screenshots) QT_QPA_PLATFORM=offscreen "$build/tools/screenshots" screenshots ;;
build) ;;
*) echo "usage: $0 [run|test|screenshots|build]" >&2; exit 2 ;;
esac
