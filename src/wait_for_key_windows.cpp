// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The wait for one key on Windows is the command interpreter's own "pause",
// which waits for a key at the console and returns at the end of piped input.
// Its "Press any key" text goes to nul: into a file it would destroy any file
// of that name in the player's directory. Its result is of no interest: a
// game whose wait failed has still been played to its end.

#include <cstdlib>

#include "wait_for_key.h"

void wait_for_key() {
    // NOLINTNEXTLINE(cert-env33-c): the interpreter's pause is the wait itself
    static_cast<void>(std::system("pause>nul"));
}
