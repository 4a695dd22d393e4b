#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# On Debian, as root: installs what every build and every test needs (the
# list is cmake/Tools.cmake, with the compilers, libraries and emulators
# that the products' presets name), then runs every workflow preset that
# tests: the default one builds every product, tests it, and makes a whole
# release of them with throwaway keys; the asan one plays the game with
# the sanitizers. It stops at the first failure, with a failing status. CI
# runs it too (.ci/run).
#   scripts/test-all.sh
set -eu
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends cmake make g++ dpkg-dev
eval "$(cmake -P scripts/list-test-packages.cmake)"
for architecture in $architectures; do
    dpkg --add-architecture "$architecture"
done
apt-get update
# shellcheck disable=SC2086 # one word a package
apt-get install -y --no-install-recommends $packages
for workflow in $workflows; do
    cmake --workflow --preset "$workflow"
done
