#include "JorvellControlView.h"
#include "JorvellKeys.h"

#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/Window.h"
#include "zelk/platform/Memory.h"

#include <cstdio>

// Jorvell: one 800 x 600 window and one frame loop until it closes, by its
// close button or by Escape.
int main() {
    // Every level loads and frees its pictures again; the memory they take
    // goes back each time.
    zelk::platform::returnLargeBlocksToSystem();
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
