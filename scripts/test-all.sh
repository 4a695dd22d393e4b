#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# On Debian, as root: installs what every build and every check needs,
# unless it is all installed already; then runs the tests of the game's
# own build (the default preset, with the checks of the sources and of the
# desktop's menu entry) and of its sanitizer build (asan), makes a release
# of the commit into dist/, signed with throwaway keys (kept in build/keys,
# with which .ci/reproducible signs the release it makes again), and
# checks that release as a player downloads it. Each step says how long it
# took. It stops at the first failure, with a failing status. CI runs it
# too (.ci/run).
#   scripts/test-all.sh
set -eu
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
# Every build step on every core, unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
start=$(date +%s)
took() { echo "== $1: $(($(date +%s) - start)) s"; start=$(date +%s); }

# What the builds, the release and its checks run: the compilers for each
# product's target, with the target's C++ library (ARCH after a colon) for
# the Debian package's dependencies and its games, and qemu-user for them.
packages='apt-utils binutils binutils-mingw-w64-x86-64 chromium chromium-driver clang-format clang-tidy cmake
createrepo-c desktop-file-utils diffoscope-minimal dnf dpkg-dev emscripten faketime g++ g++-aarch64-linux-gnu
g++-arm-linux-gnueabi g++-arm-linux-gnueabihf g++-i686-linux-gnu g++-mingw-w64-x86-64-posix g++-powerpc64le-linux-gnu
g++-riscv64-linux-gnu g++-s390x-linux-gnu git gnupg groff-base icoutils libarchive-tools libgtest-dev librsvg2-bin
libstdc++6:arm64 libstdc++6:armel libstdc++6:armhf libstdc++6:i386 libstdc++6:ppc64el libstdc++6:s390x lintian llvm
make makepkg msitools openssl osslsigncode pacman-package-manager procps python3 python3-selenium python3-yaml qemu-user reuse
rpm rpmlint unzip valgrind webkit2gtk-driver wine64 wixl xdotool xterm xvfb zip zstd zypper'
installed() {  # installed PACKAGE...: each one is, whole
    status=$(dpkg-query -W -f '${db:Status-Abbrev}\n' "$@" 2>/dev/null) &&
        [ -z "$(echo "$status" | grep -v '^ii ')" ]
}
# shellcheck disable=SC2086 # one word a package
if ! installed $packages; then
    for architecture in $(echo $packages | tr ' ' '\n' | sed -n 's/.*://p' | sort -u); do
        dpkg --add-architecture "$architecture"
    done
    # A mirror caught in the middle of a sync fails an index or two, which
    # apt says; what the install then cannot find fails it.
    apt-get update || echo "apt-get update failed for some indexes: installing with those it has"
    apt-get install -y --no-install-recommends $packages
fi
took "the packages"

for workflow in default asan; do
    cmake --workflow --preset "$workflow"
    took "the $workflow workflow"
done

. tests/keys.sh
[ -f build/keys/sign.pfx ] || make_keys build/keys
use_keys build/keys
trap drop_keys EXIT
cmake -P scripts/release.cmake
took "the release"
scripts/check-release.sh --key "$GUESS_GPG_KEY" dist
took "its checks"
