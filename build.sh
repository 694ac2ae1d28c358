#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The arcade's three commands, for a Debian 12 machine:
#   ./build.sh run      installs what is missing, builds and starts the arcade
#   ./build.sh test     installs what is missing, builds and runs every test headless,
#                       once as it ships and once under AddressSanitizer and UBSan
#   ./build.sh package  installs what is missing and builds the Debian package into dist/
set -euo pipefail
cd "$(dirname "$0")"

# Debian packages, by name.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-wayland qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n fonts-ipafont-gothic fonts-dejavu-core fonts-dejavu-extra)
package_packages=(build-essential debhelper dpkg-dev lintian)
test_packages=(xvfb xauth xdotool x11-utils openbox clang libclang-rt-14-dev desktop-file-utils appstream
  dbus dbus-x11 at-spi2-core python3-pyatspi weston xwayland metacity imagemagick)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  run)
    install_missing "${build_packages[@]}"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DARCADE_TESTS=OFF
    cmake --build build -j"$jobs"
    exec ./build/ZelkGame
    ;;
  test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen
    status=0
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-test -j"$jobs"
    (cd build-test && ctest --output-on-failure -j"$jobs") || status=1
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DARCADE_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    (cd build-asan &&
      ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp":print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$jobs") || status=1
    # Further checks that need their own build (fuzzing with clang) or an install.
    for check in fuzz/run.sh tools/check-install.sh tools/check-package.sh; do
      [ -x "$check" ] && { "./$check" || status=1; }
    done
    exit $status
    ;;
  package)
    install_missing "${build_packages[@]}" "${package_packages[@]}"
    # dpkg-buildpackage writes the package beside the source tree, so it builds a copy of the
    # tree in build-deb/ and the checkout stays clean. DEB_BUILD_OPTIONS given (nocheck,
    # parallel=N) pass on; without parallel=N the build uses every core.
    rm -rf build-deb
    mkdir -p build-deb/zelkgame dist
    tar -cf - --exclude=./.git --exclude=./build --exclude='./build-*' --exclude=./dist \
      --exclude='./*.ini' . | tar -xf - -C build-deb/zelkgame
    options=${DEB_BUILD_OPTIONS:-}
    [[ " $options " == *" parallel="* ]] || options="$options parallel=$jobs"
    (cd build-deb/zelkgame && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -us -uc -b)
    deb=$(cd build-deb && ls zelkgame_*.deb)
    cp "build-deb/$deb" dist/
    echo "dist/$deb"
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
