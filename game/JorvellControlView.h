#ifndef JORVELL_CONTROLVIEW_H
#define JORVELL_CONTROLVIEW_H

#include "JorvellGameplay.h"
#include "JorvellStart.h"
#include "JorvellTitle.h"

#include "zelk/TypeVars.h"
#include "zelk/ViewController.h"

// The game's root view: it owns the logo, title and gameplay screens and
// shows one of them at a time as its subview. The logo runs until its fade
// ends; the title until a button is chosen; the level until it has ended,
// and then the title again, from then on with its second button.
class JorvellControlView : public zelk::ViewController {
public:
    // Loads the logo screen, so the window's OpenGL context must exist.
    JorvellControlView();
    // Unloads the logo screen if it is still shown; a title or level still
    // shown is not unloaded.
    ~JorvellControlView() override;

    // The screen switch; it reads no input itself.
    void update(zelk::WindowEvents* events) override;

    JorvellStart startScreen;
    JorvellTitle titleScreen;
    JorvellGameplay gameplayScreen;
    // 0 logo, 1 title, 2 gameplay.
    zelk::uint8 screenState;
};

#endif
