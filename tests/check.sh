# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Sourced by the test scripts: `check COMMAND...` runs a check, says it
# when it fails and goes on, so that one run shows every failure; the
# script ends with `exit $fail`.
fail=0
check() { if ! "$@"; then echo "FAILED: $*"; fail=1; fi; }
