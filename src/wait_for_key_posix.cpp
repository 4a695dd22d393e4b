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

#include <cerrno>
#include <csignal>
#include <cstddef>

#include "wait_for_key.h"

namespace {

// SIGCONT is caught so that a stop we could not see (SIGSTOP) is followed by
// a fresh start of the wait, in case the shell reset the terminal meanwhile.
constexpr int kCaught[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGTSTP, SIGTTIN, SIGTTOU, SIGCONT};
constexpr std::size_t kCaughtCount = sizeof kCaught / sizeof kCaught[0];

volatile std::sig_atomic_t arrived[kCaughtCount];
volatile std::sig_atomic_t wake_fd = -1;

extern "C" void record_signal(int sig) {
    const int saved_errno = errno;
    for (std::size_t i = 0; i < kCaughtCount; ++i) {
        if (kCaught[i] == sig) {
            arrived[i] = 1;
        }
    }
    if (wake_fd >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t ignored = write(wake_fd, &byte, 1);
    }
    errno = saved_errno;
}

bool any_arrived() {
    for (const auto& flag : arrived) {
        if (flag != 0) {
            return true;
        }
    }
    return false;
}

bool has_arrived(int sig) {
    for (std::size_t i = 0; i < kCaughtCount; ++i) {
        if (kCaught[i] == sig && arrived[i] != 0) {
            return true;
        }
    }
    return false;
}

// A signal that was ignored when we started stays ignored: whoever started
// us (nohup, a background job without job control) meant it.
void catch_signals(struct sigaction (&previous)[kCaughtCount]) {
    struct sigaction action {};
    action.sa_handler = record_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked call must return to let us act
    for (std::size_t i = 0; i < kCaughtCount; ++i) {
        arrived[i] = 0;
        sigaction(kCaught[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN) {
            sigaction(kCaught[i], &action, nullptr);
        }
    }
}

void release_signals(const struct sigaction (&previous)[kCaughtCount]) {
    for (std::size_t i = 0; i < kCaughtCount; ++i) {
        sigaction(kCaught[i], &previous[i], nullptr);
    }
}

bool same_settings(const termios& a, const termios& b) {
    if (a.c_iflag != b.c_iflag || a.c_oflag != b.c_oflag || a.c_cflag != b.c_cflag ||
        a.c_lflag != b.c_lflag) {
        return false;
    }
    for (std::size_t i = 0; i < NCCS; ++i) {
        if (a.c_cc[i] != b.c_cc[i]) {
            return false;
        }
    }
    return true;
}

// Keys such as arrows send an escape sequence; its bytes usually come in one
// read, but over a slow link they may trail. Whatever is still unread when the
// terminal is handed back is discarded by TCSAFLUSH, so the shell never sees
// the tail of the key as typed input.
void swallow_escape_tail(int fd) {
    for (int reads = 0; reads < 8; ++reads) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(fd, &ready);
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

// Blocks until a key arrives or a caught signal does. Returns true for a key.
bool read_one_key(int fd, int wake_read) {
    const int highest = fd > wake_read ? fd : wake_read;
    while (!any_arrived()) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(fd, &ready);
        if (wake_read >= 0) {
            FD_SET(wake_read, &ready);
        }
        if (select(highest + 1, &ready, nullptr, nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (wake_read >= 0 && FD_ISSET(wake_read, &ready)) {
            char drained[16];
            while (read(wake_read, drained, sizeof drained) > 0) {
            }
            continue;
        }
        char key[32];
        const ssize_t got = read(fd, key, sizeof key);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got == 1 && key[0] == '\x1b') {
            swallow_escape_tail(fd);
        }
        return true;  // a key, or the terminal has gone: either way the wait is over
    }
    return false;
}

// Gives up quietly when we are no longer the terminal's foreground job: the
// SIGTTOU that says so is recorded, and the terminal is the shell's by then.
bool restore_terminal(int fd, const termios& found) {
    while (tcsetattr(fd, TCSAFLUSH, &found) != 0) {
        if (errno != EINTR || has_arrived(SIGTTOU)) {
            return false;
        }
    }
    return true;
}

bool is_stop(int sig) { return sig == SIGTSTP || sig == SIGTTIN || sig == SIGTTOU; }

}  // namespace

void wait_for_key() {
    const int fd = STDIN_FILENO;
    if (isatty(fd) == 0) {
        return;  // nobody can press a key on a pipe or a file
    }

    // Without the pipe (no descriptors left) the wait still works; a signal
    // that lands just before select() then waits for the key.
    int wake[2] = {-1, -1};
    if (pipe(wake) == 0) {
        for (const int end : wake) {
            fcntl(end, F_SETFD, FD_CLOEXEC);
            fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        }
        if (wake[0] < FD_SETSIZE) {
            wake_fd = wake[1];
        } else {
            close(wake[0]);
            close(wake[1]);
            wake[0] = wake[1] = -1;
        }
    }

    termios found{};
    termios raw{};
    bool have_found = false;
    for (;;) {
        struct sigaction previous[kCaughtCount];
        catch_signals(previous);

        // After a stop, the terminal is read afresh: the player may have
        // changed it meanwhile. Only if it still holds our own settings (we
        // could not hand it back) is the earlier reading the truer one.
        termios now{};
        const bool readable = tcgetattr(fd, &now) == 0;
        if (readable && !(have_found && same_settings(now, raw))) {
            found = now;
            have_found = true;
        }

        bool waited = false;
        if (have_found && readable) {
            raw = found;
            raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
            raw.c_iflag &= ~static_cast<tcflag_t>(IXON);  // Ctrl-S is a key like any other
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            // TCSAFLUSH drops what was typed ahead (the rest of a long guess
            // line among it), so only a key pressed during the wait ends it.
            if (tcsetattr(fd, TCSAFLUSH, &raw) == 0) {
                read_one_key(fd, wake[0]);
                restore_terminal(fd, found);
            }
            waited = true;
        }
        release_signals(previous);

        bool restart = false;
        for (std::size_t i = 0; i < kCaughtCount; ++i) {
            if (arrived[i] == 0) {
                continue;
            }
            if (kCaught[i] == SIGCONT || is_stop(kCaught[i])) {
                restart = true;
            }
            if (kCaught[i] != SIGCONT) {
                std::raise(kCaught[i]);  // ends the program, or stops it until it is continued
            }
        }
        if (!restart || !waited) {
            break;
        }
    }

    wake_fd = -1;
    for (const int end : wake) {
        if (end >= 0) {
            close(end);
        }
    }
}
