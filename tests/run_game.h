// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

#ifndef GUESS_TESTS_RUN_GAME_H
#define GUESS_TESTS_RUN_GAME_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

// What the tests run: the built program, perhaps behind a launcher (an
// emulator for a cross-built one), and the line end its platform writes.
struct Target {
    std::vector<std::string> launcher;
    std::string program;
    std::string eol = "\n";
    bool windows() const { return eol == "\r\n"; }
};
const Target& target();
void parse_target(int argc, char** argv);

// The program's exact texts, as the player sees them.
inline const std::string kPrompt = "Enter number from 0 to 9 just here to zembrate : ";
inline const std::string kWin = "That's your victory!";
inline const std::string kLoss = "No, thats lost.";

enum class Input { Pipe, Closed };
enum class Output { Pipe, Closed, Full, BrokenPipe };
using Files = std::map<std::string, std::string>;

struct Game {
    std::string input;
    Input in = Input::Pipe;
    Output out = Output::Pipe;
    Files files;  // already in the working directory when the game starts
};

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;  // as from waitpid
    Files files;      // in the working directory after the game
};

// Runs one game in a fresh temporary directory and collects what it left.
Outcome run_game(const Game& game);

// The argument vector that starts the program, launcher first.
std::vector<std::string> program_argv();
[[noreturn]] void exec_program(const std::vector<std::string>& argv);

// A fresh directory under the system's temporary one, removed with its files.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    void write(const Files& files) const;
    Files read() const;

  private:
    std::string path_;
};

#endif
