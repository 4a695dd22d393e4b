// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

#ifndef GUESS_TESTS_TERMINAL_H
#define GUESS_TESTS_TERMINAL_H

// The game at a pseudo-terminal, as a player has it, for the tests that
// play at a POSIX terminal and at Wine's console.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "run_game.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

inline bool same_settings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0 &&
           cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

// The game at the slave side of a pseudo-terminal. With job control, a small
// shell of our own stands between: it gives the game the terminal, takes it
// back when the game stops, and continues it when told to.
class Terminal {
  public:
    Terminal() {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
            throw std::runtime_error("cannot open a pseudo-terminal");
        }
        // Settings no program would guess, so that "restored" means restored
        // and not merely reset to common defaults.
        termios t{};
        tcgetattr(slave_, &t);
        t.c_cc[VERASE] = 'H' & 0x1f;
        t.c_lflag &= ~static_cast<tcflag_t>(ECHOCTL);
        t.c_iflag |= IUTF8;
        tcsetattr(slave_, TCSANOW, &t);
        tcgetattr(slave_, &before_);
    }

    ~Terminal() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        for (const int fd : {master_, slave_, report_, control_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }

    void start(bool job_control = false) {
        int report[2];
        int control[2];
        if (pipe(report) != 0 || pipe(control) != 0) {
            throw std::runtime_error("cannot make pipes");
        }
        const auto argv = program_argv();
        pid_ = fork();
        if (pid_ == 0) {
            close(master_);
            close(report[0]);
            close(control[1]);
            if (chdir(dir_.path().c_str()) != 0 || login_tty(slave_) != 0) {
                _exit(126);
            }
            const rlimit no_core{0, 0};  // a game killed by SIGQUIT leaves no core file behind
            setrlimit(RLIMIT_CORE, &no_core);
            if (job_control) {
                run_shell(argv, report[1], control[0]);
            }
            exec_program(argv);
        }
        close(report[1]);
        close(control[0]);
        report_ = report[0];
        control_ = control[1];
        job_control_ = job_control;
    }

    void type(const std::string& keys) const {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads the screen until `done` holds for it, or until the time is up.
    template <typename Done>
    bool read_until(Done done, std::chrono::milliseconds within) {
        const auto deadline = Clock::now() + within;
        while (!done(screen_)) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd fd{master_, POLLIN, 0};
            if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                return false;
            }
            char buf[1024];
            const ssize_t n = read(master_, buf, sizeof buf);
            if (n <= 0) {
                return false;
            }
            screen_.append(buf, static_cast<size_t>(n));
        }
        return true;
    }

    bool shows(const std::string& text, std::chrono::milliseconds within = 10s) {
        return read_until(
            [&text](const std::string& screen) { return screen.find(text) != std::string::npos; },
            within);
    }

    // Takes in whatever is written for a while.
    void take_in(std::chrono::milliseconds pause) {
        read_until([](const std::string&) { return false; }, pause);
    }

    const std::string& screen() const { return screen_; }

    // True while the game has not ended (with job control: nor stopped).
    bool waiting_after(std::chrono::milliseconds pause) const {
        std::this_thread::sleep_for(pause);
        pollfd fd{report_, POLLIN, 0};
        return waitpid(pid_, nullptr, WNOHANG) == 0 && poll(&fd, 1, 0) == 0;
    }

    // True once line editing is off at the terminal, as the game's wait and
    // Wine's console set it: what was typed before then is dropped, or read
    // as a line (Wine's console takes the Enter the terminal made of it as
    // Ctrl-J), and only what is typed after it is read as keys.
    bool line_editing_off() const {
        const auto deadline = Clock::now() + 10s;
        while ((settings().c_lflag & ICANON) != 0) {
            if (Clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }

    // True once the game waits for a key: the terminal set for its wait, and
    // the game still there after a pause.
    bool in_wait() const { return line_editing_off() && waiting_after(300ms); }

    // The game's wait status, or -1 if it has not ended within the time.
    int status(std::chrono::milliseconds within = 10s) {
        const auto deadline = Clock::now() + within;
        while (Clock::now() < deadline) {
            if (job_control_) {
                const std::string report = take_report(within);
                return report.size() == 1 + sizeof(int) && report[0] == 'E' ? read_int(report) : -1;
            }
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return status;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

    // With job control: true once the shell has seen the game stop and has
    // taken the terminal back.
    bool stopped() { return take_report(10s) == "S"; }
    void continue_in_foreground() const { ASSERT_EQ(write(control_, "c", 1), 1); }
    void stop_from_shell() const { ASSERT_EQ(write(control_, "z", 1), 1); }

    termios settings() const {
        termios t{};
        tcgetattr(slave_, &t);
        return t;
    }
    bool as_before() const { return same_settings(settings(), before_); }

    // Bytes typed at the terminal that nobody has read, as the next program
    // to read it (the shell) would get them, partial lines included.
    std::string unread_input() const {
        termios look = settings();
        const termios kept = look;
        look.c_lflag &= ~static_cast<tcflag_t>(ICANON);
        look.c_cc[VMIN] = 0;
        look.c_cc[VTIME] = 0;
        tcsetattr(slave_, TCSANOW, &look);
        char buf[256];
        const ssize_t n = read(slave_, buf, sizeof buf);
        tcsetattr(slave_, TCSANOW, &kept);
        return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
    }

    pid_t game_pid() const { return pid_; }

  private:
    // Stops are reported ("S") and continued in the foreground when told
    // ("c"). Told "z" while the game runs, the shell takes the terminal back
    // before it stops the game, as a shell does when the game is too slow to
    // hand the terminal back before its job has stopped.
    [[noreturn]] static void run_shell(const std::vector<std::string>& argv, int report,
                                       int control) {
        signal(SIGTTOU, SIG_IGN);  // a shell must set the terminal from the background
        const pid_t game = fork();
        if (game == 0) {
            // The game takes the terminal itself before it can read, as the
            // shell's own hand-over below may come after that; SIGTTOU is
            // still ignored here, as it is in the shell.
            setpgid(0, 0);
            tcsetpgrp(0, getpgrp());
            signal(SIGTTOU, SIG_DFL);
            close(report);
            close(control);
            exec_program(argv);
        }
        setpgid(game, game);
        tcsetpgrp(0, game);
        int status = 0;
        for (;;) {
            pollfd told{control, POLLIN, 0};
            char command = 0;
            if (poll(&told, 1, 10) == 1 && read(control, &command, 1) == 1 && command == 'z') {
                tcsetpgrp(0, getpgrp());
                kill(-game, SIGTSTP);
            }
            const pid_t changed = waitpid(game, &status, WNOHANG | WUNTRACED);
            if (changed == 0) {
                continue;
            }
            if (changed != game || !WIFSTOPPED(status)) {
                break;
            }
            tcsetpgrp(0, getpgrp());
            if (write(report, "S", 1) != 1 || read(control, &command, 1) != 1) {
                _exit(1);
            }
            tcsetpgrp(0, game);
            kill(-game, SIGCONT);
        }
        char message[1 + sizeof(int)] = {'E'};
        std::memcpy(message + 1, &status, sizeof status);
        _exit(write(report, message, sizeof message) == sizeof message ? 0 : 1);
    }

    static int read_int(const std::string& report) {
        int value = 0;
        std::memcpy(&value, report.data() + 1, sizeof value);
        return value;
    }

    std::string take_report(std::chrono::milliseconds within) const {
        pollfd fd{report_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(within.count())) <= 0) {
            return "";
        }
        std::this_thread::sleep_for(20ms);  // a report is written whole; let it all arrive
        char buf[16];
        const ssize_t n = read(report_, buf, sizeof buf);
        return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
    }

    TempDir dir_;
    int master_ = -1;
    int slave_ = -1;
    int report_ = -1;
    int control_ = -1;
    bool job_control_ = false;
    pid_t pid_ = -1;
    termios before_{};
    std::string screen_;
};

inline bool exited_with_zero(int status) {
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif
