// The game program from its start to its first drawn frame: the benchmark
// starts the real jorvell program in the data folder the build made, on the
// same X display, and times from just before the start to the moment the X
// server first reports drawing into the program's 800 x 600 window (the
// DAMAGE extension's first report: the window has no background, so nothing
// but the program's first buffer swap draws into it). The program is then
// ended. Every run is a cold start of the process (the system's file cache
// aside); the goal is at most 300 ms. JORVELL_PROGRAM in the environment
// names another build of the program to start.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./JorvellStartBench
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Generous: a start that takes longer counts as failed.
const auto patience = std::chrono::seconds(30);

// Waits for the next event of the display until the deadline; false when
// none came.
bool nextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
    while (!XPending(display)) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched = {ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display, event);
    return true;
}

// Starts the program in the data folder; its process id, or 0.
pid_t startProgram() {
    const char* program = getenv("JORVELL_PROGRAM");
    program = program ? program : JORVELL_PROGRAM;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Its greeting and its output are not the benchmark's.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&child, program, &actions, nullptr, arguments, environ) != 0) {
        child = 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// A window that went early takes its damage record with it; the benchmark
// does not end over that.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

void stopProgram(pid_t child) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

// The milliseconds from the start to the first drawing into the program's
// window, or a negative number when it did not come.
double timeToFirstFrame(Display* display, int damageEvents) {
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    auto start = Clock::now();
    pid_t child = startProgram();
    if (child == 0) {
        return -1.0;
    }
    auto deadline = start + patience;
    double took = -1.0;
    Damage damage = 0;
    XEvent event;
    while (took < 0.0 && nextEvent(display, &event, deadline)) {
        if (event.type == CreateNotify && !damage && event.xcreatewindow.width == 800 &&
            event.xcreatewindow.height == 600) {
            damage = XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (damage && event.type == damageEvents + XDamageNotify) {
            took = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    XSelectInput(display, root, NoEventMask);
    // Before the window goes, which would take the damage record with it.
    if (damage) {
        XDamageDestroy(display, damage);
    }
    XSync(display, True);
    stopProgram(child);
    return took;
}

// The benchmark's own connection, open from the first run to the end: an X
// server left without clients between two runs would reset meanwhile.
Display* benchmarkDisplay() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

void ProgramStartToFirstFrame(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (chdir(JORVELL_DATA_DIR) != 0) {
        state.SkipWithError("no data folder");
        return;
    }
    Display* display = benchmarkDisplay();
    XSetErrorHandler(ignoreError);
    int damageEvents = 0;
    int damageErrors = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
        state.SkipWithError("no X display with the DAMAGE extension");
        return;
    }
    for (auto _ : state) {
        double took = timeToFirstFrame(display, damageEvents);
        if (took < 0.0) {
            state.SkipWithError("the program drew no frame");
            break;
        }
        state.SetIterationTime(took / 1000.0);
    }
}

} // namespace

BENCHMARK(ProgramStartToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
