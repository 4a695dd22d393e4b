#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A whole game through a pipe costs no more than BUDGET instructions, as
# counted by valgrind: start-up is most of it, and a static program must keep
# it cheap.
#   startup_cost.sh PROGRAM BUDGET
program=$1 budget=$2
count=$(printf '5\n' | valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" 2>&1 >/dev/null |
    sed -n 's/.*refs: *//p' | tr -d ,)
echo "instructions: $count (budget $budget)"
[ -n "$count" ] && [ "$count" -le "$budget" ]
