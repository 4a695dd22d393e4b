// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// Takes --program=PATH (the game to run; the native build is the default),
// --launcher=CMD (runs the program, as an emulator does a cross-built one) and
// --eol=crlf (the line end its platform writes), besides GoogleTest's own.

#include <gtest/gtest.h>

#include "run_game.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    parse_target(argc, argv);
    return RUN_ALL_TESTS();
}
