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

namespace {

// How long a server may take to start or to stop; generous, never a measure
// of speed.
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

PrivateXServer::PrivateXServer() : pid(-1), hadDisplay(false) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return;
    }
    std::string fd = std::to_string(pipeEnds[1]);
    std::vector<const char*> arguments = {"Xvfb",     "-displayfd",  fd.c_str(),  "-screen",
                                          "0",        "1024x768x24", "-nolisten", "tcp",
                                          "-noreset", nullptr};
    pid_t parent = getpid();
    pid = fork();
    if (pid == 0) {
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
    if (pid > 0) {
        std::string number = readDisplayNumber(pipeEnds[0]);
        if (!number.empty()) {
            name = ":" + number;
        }
    }
    close(pipeEnds[0]);
    if (!started()) {
        stop();
        return;
    }
    const char* previous = std::getenv("DISPLAY");
    hadDisplay = previous != nullptr;
    previousDisplay = previous ? previous : "";
    setenv("DISPLAY", name.c_str(), 1);
}

PrivateXServer::~PrivateXServer() {
    if (started()) {
        if (hadDisplay) {
            setenv("DISPLAY", previousDisplay.c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
    }
    stop();
}

void PrivateXServer::stop() {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    auto deadline = std::chrono::steady_clock::now() + serverTimeout;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid = -1;
    name.clear();
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
