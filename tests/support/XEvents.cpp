#include "support/XEvents.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zelk {
namespace test {

bool sendKey(unsigned long window, bool press, unsigned long keySymbol) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XEvent event{};
    XKeyEvent& key = event.xkey;
    key.type = press ? KeyPress : KeyRelease;
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.time = CurrentTime;
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, keySymbol);
    Status sent = XSendEvent(display, window, True, press ? KeyPressMask : KeyReleaseMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0 && key.keycode != 0;
}

bool sendClose(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XEvent event{};
    XClientMessageEvent& message = event.xclient;
    message.type = ClientMessage;
    message.display = display;
    message.window = window;
    message.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.format = 32;
    message.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.data.l[1] = CurrentTime;
    Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0;
}

namespace {

// How long a server may take to start; generous, never a measure of speed.
const std::chrono::seconds serverTimeout(60);

// The display number the server writes to the pipe once it accepts
// connections; empty when it does not within the timeout.
std::string readDisplayNumber(int fd) {
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + serverTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd wait{fd, POLLIN, 0};
        int ready = poll(&wait, 1, 1000);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready <= 0) {
            continue;
        }
        char c = 0;
        ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || c == '\n') {
            return got > 0 ? number : std::string();
        }
        number += c;
    }
    return std::string();
}

} // namespace

namespace {

// Starts Xvfb, which ends when this thread does; its display name, or empty
// when it did not start within the timeout.
std::string startServer() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::string();
    }
    std::string fd = std::to_string(pipeEnds[1]);
    std::vector<const char*> arguments = {"Xvfb",     "-displayfd",  fd.c_str(),  "-screen",
                                          "0",        "1024x768x24", "-nolisten", "tcp",
                                          "-noreset", nullptr};
    pid_t parent = getpid();
    pid_t server = fork();
    if (server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(1);
        }
        close(pipeEnds[0]);
        int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        execvp(arguments[0], const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string number = server > 0 ? readDisplayNumber(pipeEnds[0]) : std::string();
    close(pipeEnds[0]);
    if (server > 0 && number.empty()) {
        kill(server, SIGKILL);
        waitpid(server, nullptr, 0);
    }
    return number.empty() ? std::string() : ":" + number;
}

} // namespace

bool usePrivateXServer() {
    static const std::string display = startServer();
    if (display.empty()) {
        return false;
    }
    setenv("DISPLAY", display.c_str(), 1);
    return true;
}

XTestInput::XTestInput() : display(XOpenDisplay(nullptr)) {
    int event = 0, error = 0, major = 0, minor = 0;
    if (display &&
        !XTestQueryExtension(static_cast<Display*>(display), &event, &error, &major, &minor)) {
        XCloseDisplay(static_cast<Display*>(display));
        display = nullptr;
    }
}

XTestInput::~XTestInput() {
    if (display) {
        XCloseDisplay(static_cast<Display*>(display));
    }
}

bool XTestInput::key(unsigned long keySymbol, bool press) {
    if (!display) {
        return false;
    }
    Display* x = static_cast<Display*>(display);
    KeyCode code = XKeysymToKeycode(x, keySymbol);
    bool sent = code != 0 && XTestFakeKeyEvent(x, code, press, CurrentTime);
    XSync(x, False);
    return sent;
}

bool XTestInput::button(unsigned int button, bool press) {
    if (!display) {
        return false;
    }
    Display* x = static_cast<Display*>(display);
    bool sent = XTestFakeButtonEvent(x, button, press, CurrentTime);
    XSync(x, False);
    return sent;
}

bool XTestInput::moveTo(int x, int y) {
    if (!display) {
        return false;
    }
    Display* connection = static_cast<Display*>(display);
    bool sent = XTestFakeMotionEvent(connection, 0, x, y, CurrentTime);
    XSync(connection, False);
    return sent;
}

} // namespace test
} // namespace zelk
