#ifndef ZELK_BENCH_JORVELLBENCH_H
#define ZELK_BENCH_JORVELLBENCH_H

// What the game's benchmarks share: the data folder the build made as the
// working folder, the game's window and root view as main makes them, frames
// as main runs them, and the screen switch driven as a player drives it.

#include "JorvellControlView.h"

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/Window.h"
#include "zelk/platform/Memory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace jorvellbench {

// Works in the game's data folder, with sound going nowhere and memory held
// as main holds it; false when the folder is missing.
inline bool enterDataFolder() {
    setenv("ALSOFT_DRIVERS", "null", 0);
    zelk::platform::returnLargeBlocksToSystem();
    std::error_code error;
    std::filesystem::current_path(JORVELL_DATA_DIR, error);
    return !error;
}

// The game's window: 800 x 600 with a title bar and a close button; false
// without a display.
inline bool openWindow(zelk::Window& window) {
    return window.createWindow(800, 600, "Jorvell", 5);
}

// The data folder entered and the game's window open; otherwise the
// benchmark is skipped and the answer is false.
inline bool openGame(benchmark::State& state, zelk::Window& window) {
    if (enterDataFolder() && openWindow(window)) {
        return true;
    }
    state.SkipWithError("no data folder or no X display");
    return false;
}

// The game's root view in the window, as main places it.
inline void showControl(zelk::Window& window, JorvellControlView& control) {
    control.frame = zelk::rectf32(0.f, 0.f, 800.f, 600.f);
    control.backgroundColor = zelk::color4f32(0.f, 0.f, 0.f, 1.f);
    window.addSubview(&control);
}

// One frame of main's loop, without its input handling.
inline void frame(zelk::Window& window) {
    window.loadEvents();
    window.updateViews();
    window.drawView();
    window.flip();
}

// The logo ended, then on the title the fade and slides over and a left click
// inside the button; the frame after it switches the screen.
inline void choose(zelk::Window& window, JorvellControlView& control, zelk::ViewButton& button) {
    if (control.screenState == 0) {
        control.startScreen.fade.stop();
        frame(window);
    }
    JorvellTitle& title = control.titleScreen;
    title.fade.stepClockAnimation(2.f);
    title.buttonPlay.animationPosition.stepClockAnimation(1.f);
    title.buttonBox.animationPosition.stepClockAnimation(1.f);
    button.eventMousePressed(zelk::vec2f32(5.f, 5.f), 1);
    button.eventMouseReleased(zelk::vec2f32(5.f, 5.f), 1);
    frame(window);
}

// The level of the shipped document started from the title, its frames no
// longer held to 60 a second.
inline void startLevel(zelk::Window& window, JorvellControlView& control) {
    choose(window, control, control.titleScreen.buttonPlay);
    control.gameplayScreen.fps.setFPS(0);
}

// The value below which that share of the sorted values lie.
inline double quantile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    size_t at = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

} // namespace jorvellbench

#endif
