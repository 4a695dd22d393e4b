// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// Whole games with standard input from a pipe: the bytes written, the exit
// status, and the working directory left as it was found.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "run_game.h"

namespace {

struct Guess {
    const char* name;
    std::string input;
    bool wins;
};

// Input that is not echoed puts the answer right after the prompt's space.
std::string expected_output(bool wins) { return kPrompt + (wins ? kWin : kLoss) + target().eol; }

void expect_clean_end(const Outcome& outcome) {
    EXPECT_TRUE(WIFEXITED(outcome.status)) << "wait status " << outcome.status;
    EXPECT_EQ(WEXITSTATUS(outcome.status), 0);
    EXPECT_EQ(outcome.err, "");
}

void PrintTo(const Guess& guess, std::ostream* os) { *os << guess.name; }

class Guesses : public testing::TestWithParam<Guess> {};

TEST_P(Guesses, AnswerOneLineAndEndWithZero) {
    Game game;
    game.input = GetParam().input;
    const Outcome outcome = run_game(game);
    EXPECT_EQ(outcome.out, expected_output(GetParam().wins));
    expect_clean_end(outcome);
    EXPECT_TRUE(outcome.files.empty()) << "left " << outcome.files.begin()->first;
}

INSTANTIATE_TEST_SUITE_P(
    Pipe, Guesses,
    testing::Values(Guess{"Five", "5\n", true}, Guess{"FiveAtEndOfInput", "5", true},
                    Guess{"LeadingWhiteSpace", " \t\v\f\r 5\n", true},
                    Guess{"EmptyLinesFirst", "\n\n\n5\n", true}, Guess{"PlusSign", "+5\n", true},
                    Guess{"LeadingZeros", "005\n", true}, Guess{"TrailingLetters", "5abc\n", true},
                    Guess{"TrailingFraction", "5.9\n", true}, Guess{"MinusFive", "-5\n", false},
                    Guess{"Fifteen", "15\n", false}, Guess{"Fifty", "50\n", false},
                    Guess{"Zero", "0\n", false}, Guess{"Hexadecimal", "0x5\n", false},
                    Guess{"DigitGrouping", "1,000\n", false},
                    Guess{"SecondNumberIgnored", "3 5\n", false}, Guess{"Letters", "five\n", false},
                    Guess{"LoneSign", "+\n", false}, Guess{"SignThenSpace", "- 5\n", false},
                    Guess{"NoInput", "", false}, Guess{"JustPastInt32", "2147483648\n", false},
                    Guess{"WouldWrapToFive", "4294967301\n", false},
                    Guess{"HugeNegative", "-99999999999999999999999\n", false}),
    [](const testing::TestParamInfo<Guess>& info) { return std::string(info.param.name); });

struct Fault {
    const char* name;
    Input in;
    Output out;
};

void PrintTo(const Fault& fault, std::ostream* os) { *os << fault.name; }

class FaultyStreams : public testing::TestWithParam<Fault> {};

TEST_P(FaultyStreams, StillEndWithZero) {
    Game game;
    game.input = "5\n";
    game.in = GetParam().in;
    game.out = GetParam().out;
    const Outcome outcome = run_game(game);
    expect_clean_end(outcome);
    if (game.out == Output::Pipe) {
        EXPECT_EQ(outcome.out, expected_output(false));  // nothing to read is a failed guess
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, FaultyStreams,
    testing::Values(Fault{"InputClosed", Input::Closed, Output::Pipe},
                    Fault{"OutputClosed", Input::Pipe, Output::Closed},
                    Fault{"OutputFull", Input::Pipe, Output::Full},
                    Fault{"OutputBrokenPipe", Input::Pipe, Output::BrokenPipe}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

// The wait must not write into the player's directory, least of all over a
// file of the player's own.
TEST(WorkingDirectory, PlayersOwnFilesAreUntouched) {
    Game game;
    game.input = "5\n";
    game.files = {{"0", "the player's own file\n"}, {"nul", "another\n"}};
    const Outcome outcome = run_game(game);
    EXPECT_EQ(outcome.out, kPrompt + kWin + target().eol);
    EXPECT_EQ(outcome.files, game.files);
}

}  // namespace
