// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The Windows program at Wine's console, at a pseudo-terminal: it answers,
// then waits for one key.

#include <gtest/gtest.h>

#include <string>

#include "run_game.h"
#include "terminal.h"

namespace {

// Wine's console paints with escape sequences, a space often as "erase, then
// move right": this keeps the text, with each move right as a space.
std::string painted_text(const std::string& raw) {
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\x1b') {
            text += raw[i];
        } else if (i + 1 < raw.size() && raw[i + 1] == '[') {
            size_t end = i + 2;
            while (end < raw.size() && (raw[end] < 0x40 || raw[end] > 0x7e)) {
                ++end;
            }
            if (end < raw.size() && raw[end] == 'C') {
                const std::string count = raw.substr(i + 2, end - i - 2);
                text.append(count.empty() ? 1 : std::stoul(count), ' ');
            }
            i = end;
        } else if (i + 1 < raw.size() && raw[i + 1] == ']') {
            i = raw.find('\a', i);  // a title: ends with BEL
            if (i == std::string::npos) {
                break;
            }
        }
    }
    return text;
}

TEST(WineConsole, AnswersThenWaitsForOneKey) {
    Terminal term;
    term.start();
    const auto shows_text = [&term](const std::string& text) {
        return term.read_until(
            [&text](const std::string& screen) {
                return painted_text(screen).find(text) != std::string::npos;
            },
            20s);
    };
    ASSERT_TRUE(shows_text(kPrompt)) << painted_text(term.screen());
    // Wine's console sets up the terminal only after it has painted the
    // prompt; what is typed before then the terminal itself echoes.
    ASSERT_TRUE(term.line_editing_off());
    term.type("5\r");
    ASSERT_TRUE(shows_text(kWin)) << painted_text(term.screen());
    ASSERT_TRUE(term.waiting_after(500ms));
    term.type("x");
    EXPECT_TRUE(exited_with_zero(term.status(20s)));
}

}  // namespace
