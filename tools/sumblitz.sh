#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Sumblitz and builds it.
#   tools/sumblitz.sh run    install what the program needs, build it and start it
#   tools/sumblitz.sh test   install what the tests need, build everything and run every test
#   tools/sumblitz.sh screenshots   remake the AppStream screenshots in dist/screenshots
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

run_packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6-dev
              libsqlite3-dev libsodium-dev libfontconfig-dev qt6-charts-dev libqt6opengl6-dev
              qt6-l10n-tools qt6-translations-l10n fonts-liberation libgl-dev pkg-config
              qt6-speech-dev qt6-speech-speechd-plugin qt6-speech-flite-plugin
              qt6-declarative-dev) # Qt TextToSpeech's CMake package asks for Qt QML's
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang-format
               desktop-file-utils appstream dpkg-dev lintian clang libfuzzer-14-dev
               python3 # the CSV test reads the file back with Python's csv module; the function_length test
               libxtst-dev libxdamage-dev # these two for bench/floor/startup_probe
               # the screen reader and the voice heard from the real program (tests/screen)
               orca dbus-x11 at-spi2-core openbox xdotool pulseaudio speech-dispatcher-espeak-ng
               libreoffice-calc-nogui) # a teacher's spreadsheet reads the CSV files
shot_packages=(xvfb xauth openbox xdotool imagemagick)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

case "${1:-}" in
run)
    install_missing "${run_packages[@]}"
    cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMBLITZ_TESTS=OFF
    cmake --build build/run
    # The pupil's record files are written to the working directory; keep them out of the
    # source tree, in run/ (ignored by git).
    mkdir -p run
    cd run
    exec ../build/run/sumblitz
    ;;
test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    jobs=$(nproc 2>/dev/null || echo 2)
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMBLITZ_WERROR=ON
    cmake --build build/test
    if command -v clang-format >/dev/null; then
        cmake --build build/test --target format-check
    fi
    (cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

    # The Debian package: a Release build with Debian's hardening flags and warnings as errors,
    # which lintian and the AppStream validator must pass without an error or a warning.
    cmake -S . -B build/deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMBLITZ_TESTS=OFF \
        -DSUMBLITZ_WERROR=ON -DSUMBLITZ_DEBIAN_FLAGS=ON
    cmake --build build/deb
    rm -f build/deb/sumblitz_*.deb
    (cd build/deb && cpack -G DEB)
    lintian -I --pedantic --fail-on error,warning build/deb/sumblitz_*.deb
    appstreamcli validate --no-net --pedantic build/deb/dist/org.sumblitz.Sumblitz.metainfo.xml

    # The same tests again under AddressSanitizer (leak check included) and
    # UndefinedBehaviorSanitizer, unoptimised, which is the quickest to build; only the tests
    # and the files they read are built.
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSUMBLITZ_WERROR=ON \
        -DSUMBLITZ_SANITIZE=ON
    cmake --build build/asan --target core_tests ui_tests
    (cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -R '^(core|ui)\.')

    # The record-file readers under libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
    # each for a minute from the committed corpus (two at a time).
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DSUMBLITZ_FUZZ=ON \
        -DSUMBLITZ_TESTS=OFF -DSUMBLITZ_WERROR=ON
    cmake --build build/fuzz --target fuzzers
    ctest --test-dir build/fuzz --output-on-failure -j2
    ;;
screenshots)
    install_missing "${run_packages[@]}" "${shot_packages[@]}"
    cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMBLITZ_TESTS=OFF
    cmake --build build/run
    exec tools/screenshots.sh build/run/sumblitz dist/screenshots
    ;;
*)
    echo "usage: $0 run|test|screenshots" >&2
    exit 2
    ;;
esac
