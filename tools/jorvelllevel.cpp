// Writes Jorvell's level documents into the game's data folder:
//
//   jorvelllevel folder
//
// player/cenarioWin64.xml, the level the game plays: the level as the game
// builds it in code, with static helper steps, without the player (whose
// levels 4 and 5 stay empty); and player/cenarioTest.xml, the same with the
// end sensor as a curtain a few units right of the start, for tests that play
// the game. The folder must already hold the game's pictures: they are loaded
// in an OpenGL context, so that the document names them. That context needs
// an X display.

#include "jorvelllevel/LevelAdditions.h"

#include "JorvellLevel.h"

#include "zelk/Cenario2D.h"
#include "zelk/Window.h"
#include "zelk/XML.h"

#include <cstdio>
#include <filesystem>

namespace {

// The level with its helper steps, and the curtain when asked, into the file.
bool writeLevel(const char* path, bool curtain) {
    zelk::Cenario2D scene;
    jorvell::buildLevel(scene);
    jorvelllevel::addHelperSteps(scene);
    if (curtain && !jorvelllevel::makeTestCurtain(scene)) {
        return false;
    }
    zelk::XML document;
    return scene.writeToXML(&document, 0) && document.saveToFile(path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(argv[1]) / "player", error);
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "%s: cannot work in %s\n", argv[0], argv[1]);
        return 1;
    }
    zelk::Window window;
    window.windowRender(false);
    if (!window.createWindow(64, 64, "jorvelllevel", 1)) {
        std::fprintf(stderr, "%s: no OpenGL context (is there an X display?)\n", argv[0]);
        return 1;
    }
    int failures = 0;
    for (bool curtain : {false, true}) {
        const char* path = curtain ? "player/cenarioTest.xml" : "player/cenarioWin64.xml";
        if (!writeLevel(path, curtain)) {
            std::fprintf(stderr, "%s: could not write %s\n", argv[0], path);
            ++failures;
        }
    }
    window.closeWindow();
    return failures == 0 ? 0 : 1;
}
