// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// guess: one game of guessing at the console. The player is asked for a
// number, one integer is read, the answer is one line, and the program waits
// for a key before it ends with status 0, whatever was typed.

#include <csignal>
#include <cstdint>
#include <iostream>

#include "wait_for_key.h"

int main() {
#ifdef SIGPIPE
    // A reader that has gone away must not turn a finished game into a crash:
    // the answer is lost, but the program still ends by itself with status 0.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif

    // Anything but 5, so that a read that stores nothing is a losing guess.
    std::int32_t number = -1;

    std::cout << "Enter number from 0 to 9 just here to zembrate : ";
    std::cin >> number;  // cin is tied to cout, so the prompt shows before the read waits
    if (number == 5) {
        std::cout << "That's your victory!" << std::endl;
    } else {
        std::cout << "No, thats lost." << std::endl;
    }

    wait_for_key();
    return 0;
}
