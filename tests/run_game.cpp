// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

#include "run_game.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

Target the_target;

int open_or_die(const char* path, int flags) {
    const int fd = open(path, flags);
    if (fd < 0) {
        throw std::runtime_error(std::string("cannot open ") + path);
    }
    return fd;
}

// Everything readable on the two pipes, until the child has ended and they are
// drained. Ending on the child's exit rather than on end of file keeps a
// helper process that inherited the pipes from hanging the test.
void collect(pid_t pid, int out_fd, int err_fd, Outcome& outcome) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
    bool ended = false;
    for (;;) {
        const int ready = poll(fds, 2, ended ? 0 : 20);
        bool got = false;
        for (int i = 0; i < 2 && ready > 0; ++i) {
            if ((fds[i].revents & (POLLIN | POLLHUP)) == 0) {
                continue;
            }
            char buf[4096];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                (i == 0 ? outcome.out : outcome.err).append(buf, static_cast<size_t>(n));
                got = true;
            } else {
                fds[i].fd = -1;  // at its end: poll no longer reports it
            }
        }
        if (ended && !got) {
            return;
        }
        if (!ended && waitpid(pid, &outcome.status, WNOHANG) == pid) {
            ended = true;
        }
        if (!ended && std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &outcome.status, 0);
            throw std::runtime_error("the game did not end within a minute");
        }
    }
}

}  // namespace

const Target& target() { return the_target; }

void parse_target(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--program=", 0) == 0) {
            the_target.program = arg.substr(10);
        } else if (arg.rfind("--launcher=", 0) == 0) {
            the_target.launcher.push_back(arg.substr(11));
        } else if (arg == "--eol=crlf") {
            the_target.eol = "\r\n";
        }
    }
#ifdef GUESS_PROGRAM
    if (the_target.program.empty()) {
        the_target.program = GUESS_PROGRAM;
    }
#endif
}

std::vector<std::string> program_argv() {
    std::vector<std::string> argv = the_target.launcher;
    argv.push_back(the_target.program);
    return argv;
}

void exec_program(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/guess-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    for (const auto& entry : read()) {
        unlink((path_ + "/" + entry.first).c_str());
    }
    rmdir(path_.c_str());
}

void TempDir::write(const Files& files) const {
    for (const auto& [name, contents] : files) {
        std::ofstream(path_ + "/" + name, std::ios::binary) << contents;
    }
}

Files TempDir::read() const {
    Files files;
    DIR* dir = opendir(path_.c_str());
    if (dir == nullptr) {
        return files;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        std::ifstream in(path_ + "/" + name, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        files[name] = contents.str();
    }
    closedir(dir);
    return files;
}

Outcome run_game(const Game& game) {
    TempDir dir;
    dir.write(game.files);

    int in_pipe[2];
    int out_pipe[2];
    int err_pipe[2];
    if (pipe(in_pipe) != 0 || pipe(out_pipe) != 0 || pipe(err_pipe) != 0) {
        throw std::runtime_error("cannot make pipes");
    }
    // The input is small enough to sit in the pipe whole before the game starts.
    if (::write(in_pipe[1], game.input.data(), game.input.size()) !=
        static_cast<ssize_t>(game.input.size())) {
        throw std::runtime_error("cannot fill the input pipe");
    }
    close(in_pipe[1]);
    if (game.out == Output::BrokenPipe) {
        close(out_pipe[0]);
        out_pipe[0] = -1;
    }
    const int full = game.out == Output::Full ? open_or_die("/dev/full", O_WRONLY) : -1;
    const auto argv = program_argv();

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.path().c_str()) != 0) {
            _exit(126);
        }
        dup2(in_pipe[0], 0);
        dup2(game.out == Output::Full ? full : out_pipe[1], 1);
        dup2(err_pipe[1], 2);
        for (const int fd :
             {in_pipe[0], out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1], full}) {
            if (fd > 2) {
                close(fd);
            }
        }
        if (game.in == Input::Closed) {
            close(0);
        }
        if (game.out == Output::Closed) {
            close(1);
        }
        exec_program(argv);
    }
    for (const int fd : {in_pipe[0], out_pipe[1], err_pipe[1], full}) {
        if (fd >= 0) {
            close(fd);
        }
    }

    Outcome outcome;
    collect(pid, out_pipe[0], err_pipe[0], outcome);
    if (out_pipe[0] >= 0) {
        close(out_pipe[0]);
    }
    close(err_pipe[0]);
    outcome.files = dir.read();
    return outcome;
}
