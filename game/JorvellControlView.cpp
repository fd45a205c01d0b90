#include "JorvellControlView.h"

namespace {

const zelk::uint8 showingLogo = 0;
const zelk::uint8 showingTitle = 1;
const zelk::uint8 showingLevel = 2;

} // namespace

JorvellControlView::JorvellControlView() : screenState(showingLogo) {
    addSubview(&startScreen);
}

JorvellControlView::~JorvellControlView() {
    removeSubview(&startScreen);
}

void JorvellControlView::update(zelk::WindowEvents*) {
    switch (screenState) {
    case showingLogo:
        if (!startScreen.isAnimating()) {
            removeSubview(&startScreen);
            addSubview(&titleScreen);
            screenState = showingTitle;
        }
        break;
    case showingTitle:
        if (titleScreen.clickPlay() != 0) {
            removeSubview(&titleScreen);
            screenState = showingLevel;
            if (titleScreen.clickPlay() == 2) {
                gameplayScreen.playWithBox();
            }
            addSubview(&gameplayScreen);
            gameplayScreen.frame = frame;
        }
        break;
    case showingLevel:
        if (gameplayScreen.haveEnded()) {
            removeSubview(&gameplayScreen);
            titleScreen.showBox();
            screenState = showingTitle;
            addSubview(&titleScreen);
        }
        break;
    default:
        break;
    }
}
