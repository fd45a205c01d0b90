#include "zelk/platform/Console.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zelk {
namespace platform {

namespace {

// Puts a terminal on standard input into non-canonical mode without echo for
// the object's lifetime; does nothing when standard input is no terminal.
class RawInput {
public:
    RawInput() {
        if (tcgetattr(STDIN_FILENO, &saved) != 0) {
            return;
        }
        termios raw = saved;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        active = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
    }
    ~RawInput() {
        if (active) {
            tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        }
    }
    RawInput(const RawInput&) = delete;
    RawInput& operator=(const RawInput&) = delete;

private:
    termios saved{};
    bool active = false;
};

} // namespace

int Console::getch() {
    RawInput raw;
    unsigned char byte;
    ssize_t got;
    do {
        got = read(STDIN_FILENO, &byte, 1);
    } while (got < 0 && errno == EINTR);
    return got == 1 ? byte : -1;
}

int Console::kbhit() {
    RawInput raw;
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (poll(&input, 1, 0) <= 0) {
        return 0;
    }
    return (input.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

int Console::clear() {
    fputs("\033[H\033[2J", stdout);
    fflush(stdout);
    return 0;
}

} // namespace platform
} // namespace zelk
