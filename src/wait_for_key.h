// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

#ifndef GUESS_WAIT_FOR_KEY_H
#define GUESS_WAIT_FOR_KEY_H

// Waits until the player presses one key at the console, then returns. It
// prints nothing and never fails: whatever goes wrong, the game goes on to its
// end. Each platform has its own definition, in a file of its own.
void wait_for_key();

#endif
