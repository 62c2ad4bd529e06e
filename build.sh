#!/bin/sh
# Builds Tezzle!, installing missing Debian packages first.
#   ./build.sh play    build the game and start it
#   ./build.sh test    build everything and run every test
# TEZZLE_WERROR=1 turns compiler warnings into errors (CI sets it).
set -eu
cd "$(dirname "$0")"

# Qt and the fonts the windows are laid out in (Liberation Sans for Arial, Wine's Tahoma);
# Qt SVG for the scalable icon; SDL 2 for the sound cues; PulseAudio for the test that plays a
# cue through a real sound server; the desktop's validators and groff for the test of the
# installed game; XCB's DAMAGE client for the start-up benchmark's first-paint probe; Qt's
# translation tools for the catalogues, and Qt's own words in the players' languages.
packages="cmake g++ make pkgconf qt6-base-dev qt6-svg-dev libgl-dev libsdl2-dev
libbenchmark-dev fonts-liberation2 fonts-wine fonts-dejavu-core pulseaudio desktop-file-utils
appstream groff-base libxcb-damage0-dev libfontconfig-dev qt6-tools-dev qt6-l10n-tools
qt6-translations-l10n"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing:$missing"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

werror=OFF
[ "${TEZZLE_WERROR:-0}" = 1 ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEZZLE_WERROR=$werror
cmake --build build -j2

case "${1:-test}" in
test) ctest --test-dir build --output-on-failure -j2 ;;
play)
    shift
    exec build/bin/tezzle "$@"
    ;;
*)
    echo "usage: ./build.sh play [options] | ./build.sh test" >&2
    exit 2
    ;;
esac
