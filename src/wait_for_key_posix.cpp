// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The wait for one key at a POSIX terminal: no Enter needed, the key not
// echoed, and the terminal handed back exactly as it was found on every way
// out: after the key, on a signal that ends the program, and around a stop.
//
// The signal handlers only record what arrived and wake the main path through
// a pipe; the terminal is touched from the main path alone. The pipe closes
// the gap between checking for a signal and blocking in select(), so a signal
// can never be left waiting for a key press.

#include <fcntl.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <initializer_list>
#include <iterator>

#include "wait_for_key.h"

namespace {

// One slot per signal number. FreeBSD numbers its real-time signals beyond
// NSIG; elsewhere NSIG covers them all, where there are any.
#ifdef _SIG_MAXSIG
constexpr int kSignals = _SIG_MAXSIG + 1;
#else
constexpr int kSignals = NSIG;
#endif

volatile std::sig_atomic_t arrived[kSignals];
volatile std::sig_atomic_t wake_fd = -1;

extern "C" void record_signal(int sig) {
    const int saved_errno = errno;
    if (sig > 0 && sig < kSignals) {
        arrived[sig] = 1;
    }
    if (wake_fd >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t ignored = write(wake_fd, &byte, 1);
    }
    errno = saved_errno;
}

bool any_arrived() {
    return std::any_of(std::begin(arrived), std::end(arrived),
                       [](const volatile std::sig_atomic_t& flag) { return flag != 0; });
}

// Every signal that would end the program or stop it is caught, so that the
// terminal is handed back first. Left alone: those that cannot be caught; the
// faults, as a handler that only records one would return to the faulting
// instruction for ever; and those whose default is to do nothing, which must
// not end the wait. SIGCONT is caught too: after a stop we could not see
// (SIGSTOP) the wait starts afresh, in case the shell reset the terminal.
bool left_alone(int sig) {
    switch (sig) {
        case SIGKILL:
        case SIGSTOP:
        case SIGSEGV:
        case SIGBUS:
        case SIGFPE:
        case SIGILL:
        case SIGTRAP:
        case SIGSYS:
        case SIGABRT:
#ifdef SIGEMT
        case SIGEMT:
#endif
        case SIGCHLD:
        case SIGURG:
        case SIGWINCH:
#ifdef SIGINFO
        case SIGINFO:
#endif
            return true;
        default:
            return false;
    }
}

// Catches the signals for as long as it lives, and puts back what was there.
// A signal that was ignored when we started stays ignored: whoever started
// us (nohup, a background job without job control) meant it. Numbers that
// are no signal, or that the C library keeps for itself, refuse sigaction()
// and are skipped.
class CaughtSignals {
  public:
    CaughtSignals() {
        struct sigaction action {};
        action.sa_handler = record_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;  // no SA_RESTART: a blocked call must return to let us act
        for (int sig = 1; sig < kSignals; ++sig) {
            arrived[sig] = 0;
            caught_[sig] = !left_alone(sig) && sigaction(sig, nullptr, &previous_[sig]) == 0 &&
                           previous_[sig].sa_handler != SIG_IGN &&
                           sigaction(sig, &action, nullptr) == 0;
        }
    }
    ~CaughtSignals() {
        for (int sig = 1; sig < kSignals; ++sig) {
            if (caught_[sig]) {
                sigaction(sig, &previous_[sig], nullptr);
            }
        }
    }
    CaughtSignals(const CaughtSignals&) = delete;
    CaughtSignals& operator=(const CaughtSignals&) = delete;
    CaughtSignals(CaughtSignals&&) = delete;
    CaughtSignals& operator=(CaughtSignals&&) = delete;

  private:
    struct sigaction previous_[kSignals] {};
    bool caught_[kSignals] = {};
};

// The pipe the handlers write to. Without it (no descriptors left) the wait
// still works; a signal that lands just before select() then waits for a key.
class WakePipe {
  public:
    WakePipe() {
        int ends[2];
        if (pipe(ends) != 0) {
            return;
        }
        for (const int end : ends) {
            fcntl(end, F_SETFD, FD_CLOEXEC);
            fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        }
        read_ = ends[0];
        write_ = ends[1];
        if (read_ < FD_SETSIZE) {
            wake_fd = write_;
        }
    }
    ~WakePipe() {
        wake_fd = -1;
        if (read_ >= 0) {
            close(read_);
            close(write_);
        }
    }
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;
    WakePipe(WakePipe&&) = delete;
    WakePipe& operator=(WakePipe&&) = delete;

    // The end to watch, or -1 when there is none that select() can take.
    int read_end() const { return wake_fd >= 0 ? read_ : -1; }

    void drain() const {
        char bytes[16];
        while (read(read_, bytes, sizeof bytes) > 0) {
        }
    }

  private:
    int read_ = -1;
    int write_ = -1;
};

bool same_settings(const termios& a, const termios& b) {
    if (a.c_iflag != b.c_iflag || a.c_oflag != b.c_oflag || a.c_cflag != b.c_cflag ||
        a.c_lflag != b.c_lflag) {
        return false;
    }
    return std::equal(std::begin(a.c_cc), std::end(a.c_cc), std::begin(b.c_cc));
}

// A set for select() of the descriptors given, leaving out -1 (none).
fd_set watched(std::initializer_list<int> fds) {
    fd_set set;
    FD_ZERO(&set);
    for (const int fd : fds) {
        if (fd >= 0) {
            FD_SET(fd, &set);
        }
    }
    return set;
}

bool is_set(int fd, const fd_set& set) { return fd >= 0 && FD_ISSET(fd, &set); }

// Blocks until the terminal has input (true), or a caught signal has arrived
// or select() fails (false).
bool input_ready(int fd, const WakePipe& wake) {
    const int wake_read = wake.read_end();
    while (!any_arrived()) {
        fd_set ready = watched({fd, wake_read});
        if (select(std::max(fd, wake_read) + 1, &ready, nullptr, nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (is_set(wake_read, ready)) {
            wake.drain();
        } else {
            return true;
        }
    }
    return false;
}

// Keys such as arrows send an escape sequence; its bytes usually come in one
// read, but over a slow link they may trail. Whatever is still unread when the
// terminal is handed back is discarded by TCSAFLUSH, so the shell never sees
// the tail of the key as typed input.
void swallow_escape_tail(int fd) {
    for (int reads = 0; reads < 8; ++reads) {
        fd_set ready = watched({fd});
        timeval grace{0, 50000};
        if (select(fd + 1, &ready, nullptr, nullptr, &grace) <= 0 || any_arrived()) {
            return;
        }
        char tail[32];
        if (read(fd, tail, sizeof tail) <= 0) {
            return;
        }
    }
}

// Blocks until one key has been read, or a caught signal has arrived.
void read_one_key(int fd, const WakePipe& wake) {
    while (input_ready(fd, wake)) {
        char key[32];
        const ssize_t got = read(fd, key, sizeof key);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got == 1 && key[0] == '\x1b') {
            swallow_escape_tail(fd);
        }
        return;  // a key, or the terminal has gone: either way the wait is over
    }
}

// Gives up quietly when we are no longer the terminal's foreground job: the
// SIGTTOU that says so is recorded, and the terminal is the shell's by then.
void restore_terminal(int fd, const termios& found) {
    while (tcsetattr(fd, TCSAFLUSH, &found) != 0) {
        if (errno != EINTR || arrived[SIGTTOU] != 0) {
            return;
        }
    }
}

// The terminal as we found it, and as we set it for the wait.
struct Settings {
    termios found{};
    termios raw{};
    bool known = false;
};

// Reads the terminal afresh: after a stop the player may have changed it.
// Only if it still holds our own settings (we could not hand it back) is
// the earlier reading the truer one.
bool read_settings(int fd, Settings& settings) {
    termios now{};
    if (tcgetattr(fd, &now) != 0) {
        return false;
    }
    if (!settings.known || !same_settings(now, settings.raw)) {
        settings.found = now;
        settings.known = true;
    }
    settings.raw = settings.found;
    settings.raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    settings.raw.c_iflag &= ~static_cast<tcflag_t>(IXON);  // Ctrl-S is a key like any other
    settings.raw.c_cc[VMIN] = 1;
    settings.raw.c_cc[VTIME] = 0;
    return true;
}

bool is_stop(int sig) { return sig == SIGTSTP || sig == SIGTTIN || sig == SIGTTOU; }

// Sends each recorded signal again, now that the previous dispositions are
// back: it ends the program as it would have without us, or stops it until it
// is continued. Stops are sent once, however many were recorded: when the
// shell takes the terminal back before we could hand it back, our own
// tcsetattr() earns a SIGTTOU beside the SIGTSTP, and a second stop would
// need a second `fg`. Returns whether any had arrived: then, still here, the
// wait starts over.
bool resend_arrived() {
    bool any = false;
    bool stopped = false;
    for (int sig = 1; sig < kSignals; ++sig) {
        if (arrived[sig] == 0) {
            continue;
        }
        any = true;
        if (sig == SIGCONT || (is_stop(sig) && stopped)) {
            continue;  // a wake-up call, or one stop more than the player asked for
        }
        stopped = stopped || is_stop(sig);
        static_cast<void>(std::raise(sig));
    }
    return any;
}

}  // namespace

void wait_for_key() {
    const int fd = STDIN_FILENO;
    if (isatty(fd) == 0) {
        return;  // nobody can press a key on a pipe or a file
    }
    const WakePipe wake;
    Settings settings;
    bool restart = true;
    while (restart) {
        {
            const CaughtSignals caught;
            if (!read_settings(fd, settings)) {
                return;
            }
            // TCSAFLUSH drops what was typed ahead (the rest of a long guess
            // line among it), so only a key pressed during the wait ends it.
            if (tcsetattr(fd, TCSAFLUSH, &settings.raw) == 0) {
                read_one_key(fd, wake);
                restore_terminal(fd, settings.found);
            }
        }
        restart = resend_arrived();
    }
}
