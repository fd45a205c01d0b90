#include "JorvellControlView.h"
#include "JorvellData.h"
#include "JorvellKeys.h"
#include "JorvellReport.h"

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/Window.h"
#include "zelk/platform/Memory.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

// Jorvell: one 800 x 600 window and one frame loop until it closes, by its
// close button or by Escape. It starts in its data folder; started anywhere
// else it says so and ends with exit code 1 before opening a window.
int main() {
    if (!jorvell::dataFolderHere()) {
        std::error_code error;
        std::string here = std::filesystem::current_path(error).string();
        fprintf(stderr,
                "jorvell: its data files are not in %s.\n"
                "Start it in its data folder, build/data: run ./run.sh in the source folder, "
                "or cd build/data && ../jorvell\n",
                here.empty() ? "the folder it was started in" : here.c_str());
        return 1;
    }
    // Every level loads and frees its pictures again; the memory they take
    // goes back each time.
    zelk::platform::returnLargeBlocksToSystem();
    // Every data file the game cannot use is named on standard error.
    JorvellReport report;
    printf("\nHelloJorvell");
    zelk::Window window;
    // Title bar and close button.
    window.createWindow(800, 600, "Jorvell", 5);
    JorvellControlView control;
    control.frame = zelk::rectf32(0.f, 0.f, 800.f, 600.f);
    control.backgroundColor = zelk::color4f32(0.f, 0.f, 0.f, 1.f);
    window.addSubview(&control);
    while (window.isOpened()) {
        window.loadEvents();
        window.updateViews();
        if (window.eventButtonClose()) {
            window.closeWindow();
            continue;
        }
        unsigned int pressed = window.eventGetKeyPressedSize();
        for (unsigned int i = 0; i < pressed; i++) {
            if (window.eventGetKeyPressed(i) == jorvell::keyEscape) {
                window.closeWindow();
            }
        }
        window.drawView();
        window.flip();
    }
    printf("\n");
    return 0;
}
