// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// Games at a pseudo-terminal, as a player has them: the prompt before any
// input, the answer, a wait that only a key ends, and a terminal whose
// settings afterwards are exactly those from before, however the wait ended.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>

#include <csignal>

#include "run_game.h"
#include "terminal.h"

namespace {

// Plays up to the wait: the prompt before any input, the answer after the line.
void play_to_wait(Terminal& term, const std::string& line, const std::string& answer) {
    term.start();
    ASSERT_TRUE(term.shows(kPrompt)) << term.screen();
    term.type(line);
    ASSERT_TRUE(term.shows(answer + "\r\n")) << term.screen();
    ASSERT_TRUE(term.in_wait());
}

struct KeyCase {
    const char* name;
    std::string line;
    std::string key;
    bool wins;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class Keys : public testing::TestWithParam<KeyCase> {};

TEST_P(Keys, OneKeyEndsTheWaitAndLeavesTheTerminalAsFound) {
    const KeyCase& c = GetParam();
    Terminal term;
    const std::string answer = c.wins ? kWin : kLoss;
    play_to_wait(term, c.line, answer);
    term.type(c.key);
    EXPECT_TRUE(exited_with_zero(term.status()));
    EXPECT_TRUE(term.as_before());
    EXPECT_EQ(term.unread_input(), "");
    term.take_in(100ms);  // anything written late
    EXPECT_EQ(term.screen().substr(term.screen().rfind(answer)), answer + "\r\n")
        << "the wait wrote or echoed something";
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, Keys,
    testing::Values(KeyCase{"ArrowAfterWin", "5\r", "\x1b[A", true},
                    KeyCase{"FunctionKeyAfterLoss", "7\r", "\x1b[15~", false},
                    KeyCase{"RestOfGuessLineIsNotTheKey", "5 abc\r", "q", true},
                    KeyCase{"CtrlSIsAKey", "5\r", "\x13", true},
                    KeyCase{"EnterIsAKey", "x\r", "\r", false}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

struct SignalCase {
    const char* name;
    std::string keys;  // typed at the terminal, or empty to send the signal directly
    int signal;
    bool ends = true;  // false: by default nothing happens, and the wait goes on
};

void PrintTo(const SignalCase& c, std::ostream* os) { *os << c.name; }

class Signals : public testing::TestWithParam<SignalCase> {};

TEST_P(Signals, EndTheGameWithTheTerminalAsFound) {
    const SignalCase& c = GetParam();
    Terminal term;
    play_to_wait(term, "5\r", kWin);
    if (c.keys.empty()) {
        kill(term.game_pid(), c.signal);
    } else {
        term.type(c.keys);
    }
    if (!c.ends) {
        ASSERT_TRUE(term.waiting_after(300ms));
        term.type("k");
    }
    const int status = term.status();
    ASSERT_NE(status, -1);
    if (c.ends) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal)
            << "wait status " << status;
    } else {
        EXPECT_TRUE(exited_with_zero(status)) << "wait status " << status;
    }
    EXPECT_TRUE(term.as_before());
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, Signals,
    testing::Values(SignalCase{"CtrlC", "\x03", SIGINT},
                    SignalCase{"CtrlBackslash", "\x1c", SIGQUIT}, SignalCase{"Term", "", SIGTERM},
                    SignalCase{"Hangup", "", SIGHUP}, SignalCase{"Alarm", "", SIGALRM},
                    SignalCase{"User1", "", SIGUSR1}, SignalCase{"CpuLimit", "", SIGXCPU},
                    // Not the lowest two: qemu-user hands those on as the two
                    // that the C library keeps for itself.
                    SignalCase{"RealTime", "", SIGRTMIN + 2},
                    SignalCase{"RealTimeLast", "", SIGRTMAX},
                    SignalCase{"WindowSize", "", SIGWINCH, false},
                    SignalCase{"Child", "", SIGCHLD, false}),
    [](const testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

struct StopCase {
    const char* name;
    bool shell_first;  // the shell takes the terminal back before the game can hand it back
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class Stops : public testing::TestWithParam<StopCase> {};

TEST_P(Stops, OneContinueWaitsAgainAndTheTerminalEndsAsFound) {
    Terminal term;
    term.start(true);
    ASSERT_TRUE(term.shows(kPrompt)) << term.screen();
    term.type("5\r");
    ASSERT_TRUE(term.shows(kWin + "\r\n")) << term.screen();
    ASSERT_TRUE(term.in_wait());

    if (GetParam().shell_first) {
        term.stop_from_shell();
        ASSERT_TRUE(term.stopped());
    } else {
        term.type("\x1a");  // Ctrl-Z
        ASSERT_TRUE(term.stopped());
        EXPECT_TRUE(term.as_before());
    }

    term.continue_in_foreground();
    ASSERT_TRUE(term.in_wait()) << "stopped again, or ended";
    EXPECT_EQ(term.settings().c_lflag & (ICANON | ECHO), 0U) << "waits without Enter or echo";
    term.type("k");
    EXPECT_TRUE(exited_with_zero(term.status()));
    EXPECT_TRUE(term.as_before());
}

INSTANTIATE_TEST_SUITE_P(Terminal, Stops,
                         testing::Values(StopCase{"CtrlZ", false},
                                         StopCase{"ShellTookTheTerminalFirst", true}),
                         [](const testing::TestParamInfo<StopCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
