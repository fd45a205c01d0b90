// The game's level in its 800 x 600 window on the X display (Mesa's software
// OpenGL under Xvfb): a gameplay frame as main runs it (events, update, draw,
// flip), with the level's 60 fps wait turned off; the player standing at the
// start, then walking right with the camera following. Each frame is timed
// on its own: the counters give the median and the 95th percentile in
// milliseconds (the goal is a median of at most 4 ms). Also the level
// document: parsing it, reading it into a scene (with the level's pictures
// already loaded, as when the game reads it), and the whole start and end of
// the level screen.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./JorvellFrameBench
#include "JorvellBench.h"
#include "JorvellKeys.h"
#include "JorvellLevel.h"

#include "zelk/Cenario2D.h"
#include "zelk/XML.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

const char* const levelDocument = "./player/cenarioWin64.xml";

// Frames are timed after these, which load what the first frames load.
const int warmUpFrames = 30;

void gameplayFrames(benchmark::State& state, bool walking) {
    zelk::Window window;
    if (!jorvellbench::openGame(state, window)) {
        return;
    }
    JorvellControlView control;
    jorvellbench::showControl(window, control);
    jorvellbench::startLevel(window, control);
    auto runFrame = [&] {
        window.loadEvents();
        if (walking) {
            window.events.keyHolded.pushBack(jorvell::keyRight);
        }
        window.updateViews();
        window.drawView();
        window.flip();
    };
    for (int i = 0; i < warmUpFrames; i++) {
        runFrame();
    }
    std::vector<double> frames;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        runFrame();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        frames.push_back(took.count());
    }
    state.counters["median_ms"] = jorvellbench::quantile(frames, 0.5);
    state.counters["p95_ms"] = jorvellbench::quantile(frames, 0.95);
    state.counters["player_x"] = control.gameplayScreen.player.getPlayerPosition().x;
    control.gameplayScreen.ended = true;
    jorvellbench::frame(window);
}

void GameplayFrameStanding(benchmark::State& state) {
    gameplayFrames(state, false);
}

void GameplayFrameWalking(benchmark::State& state) {
    gameplayFrames(state, true);
}

void LevelDocumentParse(benchmark::State& state) {
    if (!jorvellbench::enterDataFolder()) {
        state.SkipWithError("no data folder");
        return;
    }
    for (auto _ : state) {
        zelk::XML document;
        if (!document.loadFile(levelDocument)) {
            state.SkipWithError("the shipped level document does not load");
            break;
        }
    }
}

void LevelDocumentRead(benchmark::State& state) {
    zelk::Window window;
    window.windowRender(false);
    if (!jorvellbench::enterDataFolder() || !window.createWindow(64, 64, "read", 1)) {
        state.SkipWithError("no data folder or no X display");
        return;
    }
    // Holds the level's pictures, as the built level does when the game
    // reads the document.
    zelk::Cenario2D built;
    jorvell::buildLevel(built);
    unsigned int objects = 0;
    for (auto _ : state) {
        zelk::XML document;
        document.loadFile(levelDocument);
        zelk::Cenario2D scene;
        scene.readFromXML(&document, 0);
        state.PauseTiming();
        objects = scene.world.getStaticObjectsSize() + scene.world.getKinematicObjectsSize() +
                  scene.world.getDynamicObjectsSize();
        scene.deleteAllLevels();
        state.ResumeTiming();
    }
    state.counters["physics_objects"] = objects;
    built.deleteAllLevels();
}

// The level screen's load and unload: the level built, the document read,
// the player placed, the music opened; and all of it taken down again.
void LevelLoadAndUnload(benchmark::State& state) {
    zelk::Window window;
    if (!jorvellbench::openGame(state, window)) {
        return;
    }
    JorvellGameplay gameplay;
    gameplay.frame = zelk::rectf32(0.f, 0.f, 800.f, 600.f);
    for (auto _ : state) {
        gameplay.load();
        gameplay.unload();
    }
}

} // namespace

BENCHMARK(GameplayFrameStanding)->Unit(benchmark::kMillisecond)->Iterations(600);
BENCHMARK(GameplayFrameWalking)->Unit(benchmark::kMillisecond)->Iterations(600);
BENCHMARK(LevelDocumentParse)->Unit(benchmark::kMillisecond);
BENCHMARK(LevelDocumentRead)->Unit(benchmark::kMillisecond);
BENCHMARK(LevelLoadAndUnload)->Unit(benchmark::kMillisecond);
