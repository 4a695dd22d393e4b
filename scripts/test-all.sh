#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# On Debian, as root: installs what every build and every test needs (the
# list is cmake/Tools.cmake, with the compilers, libraries and emulators
# that the products' presets name), unless it is all installed already,
# then runs every workflow preset that tests: the default one builds every
# product, tests it, and makes a whole release of them with throwaway keys;
# the asan one plays the game with the sanitizers. Each step says how long
# it took. It stops at the first failure, with a failing status. CI runs
# it too (.ci/run).
#   scripts/test-all.sh
set -eu
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
# Every build step on every core, unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
start=$(date +%s)
took() { echo "== $1: $(($(date +%s) - start)) s"; start=$(date +%s); }

installed() {  # installed PACKAGE...: each one is, whole
    status=$(dpkg-query -W -f '${db:Status-Abbrev}\n' "$@" 2>/dev/null) &&
        [ -z "$(echo "$status" | grep -v '^ii ')" ]
}
if ! installed cmake make g++ dpkg-dev; then
    apt-get update
    apt-get install -y --no-install-recommends cmake make g++ dpkg-dev
fi
eval "$(cmake -P scripts/list-test-packages.cmake)"
# shellcheck disable=SC2086 # one word a package
if ! installed $packages; then
    for architecture in $architectures; do
        dpkg --add-architecture "$architecture"
    done
    apt-get update
    apt-get install -y --no-install-recommends $packages
fi
took "the packages"
for workflow in $workflows; do
    cmake --workflow --preset "$workflow"
    took "the $workflow workflow"
done
