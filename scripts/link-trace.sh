#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Runs a link command (the rest of the arguments) whose linker was asked for
# --trace, and keeps what it wrote, the list of the files it read, in TRACE.
#   link-trace.sh TRACE COMMAND...
trace=$1
shift
"$@" >"$trace.part" || exit
mv "$trace.part" "$trace"
