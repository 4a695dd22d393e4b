#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# On Debian, as root: installs what every build and every check needs,
# unless it is all installed already; then runs everything there is to
# test. The game's own build (the default preset, with the checks of the
# sources and of the desktop's menu entry), its sanitizer build (asan),
# and a release of the commit into dist/, signed with throwaway keys (kept
# in build/keys), side by side; then, side by side, that release checked
# as a player downloads it, and made again of its source tarball,
# elsewhere and as another user, which must give the same bytes. Each
# step says as it ends how long it took and the CPU time its processes
# used; what each said, whole, and a table of them end the run, which a
# step that failed fails, once every step that can run has run. CI runs it
# (.ci/run).
#   scripts/test-all.sh
set -eu
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
# Every build step on every core, unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
began=$(date +%s)
# run NAME COMMAND...: runs COMMAND, its output kept in a log, and notes in
# a row how long it took, the CPU time of its processes, user and system (as
# `times` adds up those this shell waited for), and its status.
run() {
    name=$1 start=$(date +%s) status=0
    shift
    echo "$name" >>"$logs/steps"
    "$@" >"$logs/$name.log" 2>&1 </dev/null || status=$?
    times >"$logs/$name.times"
    awk -v row="$name|$(($(date +%s) - start))" -v status=$status 'NR == 2 { split($0, t, /[ms ]+/)
        print row "|" int(t[1] * 60 + t[2] + t[3] * 60 + t[4] + 0.5) "|" status }' "$logs/$name.times" |
        tee "$logs/$name.row" | awk -F '|' '{ print "== " $1 ": " $2 " s, " $3 " s of CPU" ($4 ? ", FAILED" : "") }'
    return $status
}

# What the builds, the release and its checks run: the compilers for each
# product's target, with the target's C++ library (ARCH after a colon) for
# the Debian package's dependencies and its games, and qemu-user for them.
packages='apt-utils binutils binutils-mingw-w64-x86-64 busybox-static chromium chromium-driver clang-format clang-tidy
cmake createrepo-c curl desktop-file-utils diffoscope-minimal dnf dpkg-dev emscripten faketime g++
g++-aarch64-linux-gnu g++-arm-linux-gnueabi g++-arm-linux-gnueabihf g++-i686-linux-gnu g++-mingw-w64-x86-64-posix
g++-powerpc64le-linux-gnu g++-riscv64-linux-gnu g++-s390x-linux-gnu git gnupg groff-base icoutils libarchive-tools
libgtest-dev librsvg2-bin libstdc++6:arm64 libstdc++6:armel libstdc++6:armhf libstdc++6:i386 libstdc++6:ppc64el
libstdc++6:s390x lintian llvm make makepkg mount msitools ninja-build openssl osslsigncode pacman-package-manager
procps python3 python3-selenium python3-yaml qemu-user reuse rpm rpmlint shellcheck unzip valgrind webkit2gtk-driver
wine64 wixl xdotool xterm xvfb zip zstd zypper'
installed() {  # installed PACKAGE...: each one is, whole
    states=$(dpkg-query -W -f '${db:Status-Abbrev}\n' "$@" 2>/dev/null) &&
        [ -z "$(echo "$states" | grep -v '^ii ')" ]
}
# shellcheck disable=SC2086 # one word a package
install_packages() {
    installed $packages && return
    for architecture in $(echo $packages | tr ' ' '\n' | sed -n 's/.*://p' | sort -u); do
        dpkg --add-architecture "$architecture"
    done
    # A mirror caught in the middle of a sync fails an index or two, which
    # apt says; what the install then cannot find fails it.
    apt-get update || echo "apt-get update failed for some indexes: installing with those it has"
    apt-get install -y --no-install-recommends $packages
}
run "the packages" install_packages || { cat "$logs/the packages.log"; exit 1; }

# shellcheck source=../tests/keys.sh
. tests/keys.sh
[ -f build/keys/sign.pfx ] || make_keys build/keys
use_keys build/keys
trap 'drop_keys; rm -rf "$logs"' EXIT
run "the default workflow" cmake --workflow --preset default &
run "the asan workflow" cmake --workflow --preset asan &
run "the release" cmake -P scripts/release.cmake &
if wait $!; then
    run "its checks" scripts/check-release.sh --key "$GUESS_GPG_KEY" dist &
    # At a lower priority: the checks' tests wait on timers and browsers,
    # whose work grows with the time they take; the rebuild's does not.
    run "the release made again" nice scripts/check-reproducible.sh dist build/keys &
fi
wait

# What each step said, and a table of them; any that failed fails it.
while read -r name; do cat "$logs/$name.log"; done <"$logs/steps"
while read -r name; do cat "$logs/$name.row"; done <"$logs/steps" | awk -F '|' -v wall=$(($(date +%s) - began)) '
    BEGIN { printf "\n%-24s %8s %8s\n", "step", "wall", "CPU" }
    { printf "%-24s %6d s %6d s%s\n", $1, $2, $3, $4 ? "  FAILED, with status " $4 : ""; cpu += $3; failed += $4 != 0 }
    END { printf "%-24s %6d s %6d s\n", "all, side by side", wall, cpu; exit failed != 0 }'
