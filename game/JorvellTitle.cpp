#include "JorvellTitle.h"

#include "JorvellData.h"
#include "JorvellFilters.h"
#include "JorvellKeys.h"
#include "JorvellPicture.h"

#include <cstdio>

JorvellTitle::JorvellTitle() : showBoxButton(false), clickResult(0) {}

JorvellTitle::~JorvellTitle() {}

void JorvellTitle::load() {
    frame.size = zelk::size2f32(800.f, 600.f);
    backgroundColor = zelk::color4f32(1.f, 1.f, 1.f, 1.f);
    titleMesh.material.loadTexture(jorvell::titlePicture, 0, jorvell::linearFilter);
    jorvell::showPicture(titleObject, titleMesh);
    titleObject.position = zelk::vec2f32(0.f, 175.f);
    camera.setSize(800.f, 600.f);
    // Every load starts from the same key frames.
    fade.cleanAnimations();
    fade.addNewInterpolationLine(0.f, 0.f);
    fade.addNewInterpolationLine(1.5f, 1.f);
    fade.playForward();
    prepareButton(buttonPlay, zelk::rectf32(-200.f, 500.f, 150.f, 50.f), -60.f);
    fade.setAnimationCallback(this);
    if (showBoxButton) {
        prepareButton(buttonBox, zelk::rectf32(-400.f, 500.f, 300.f, 70.f), 0.f);
    }
    clickResult = 0;
}

void JorvellTitle::prepareButton(zelk::ViewButton& button, zelk::rectf32 start, float offsetY) {
    button.setBorderSize(10);
    button.frame = start;
    addSubview(&button);
    button.animationClean();
    button.animationAddFrame(0.f, 0.f, offsetY);
    button.animationAddFrame(0.5f, 800.f, offsetY);
    button.off();
    button.animationSetCallback(this);
    button.setCallback(this);
}

void JorvellTitle::forgetButton(zelk::ViewButton& button) {
    button.animationRemoveCallback();
    button.removeCallback();
}

void JorvellTitle::unload() {
    fade.removeAnimationCallback();
    forgetButton(buttonPlay);
    if (showBoxButton) {
        forgetButton(buttonBox);
    }
    jorvell::hidePicture(titleObject, titleMesh);
    removeSubview(&buttonPlay);
    removeSubview(&buttonBox);
}

void JorvellTitle::update(zelk::WindowEvents* events) {
    float alpha = 1.f;
    if (fade.isPlaying()) {
        fade.updateClockAnimation();
        alpha = fade.getClockX(nullptr);
        // The fade's last update stops it and answers 0.
        if (alpha == 0.f) {
            alpha = 1.f;
        }
    }
    backgroundColor.a = alpha;
    if (fade.isPlaying() && jorvell::skipRequested(events)) {
        fade.stop();
        startSlides();
    }
}

void JorvellTitle::startSlides() {
    buttonPlay.animationPlayForward();
    if (showBoxButton) {
        buttonBox.animationPlayForward();
    }
    clickResult = 0;
}

void JorvellTitle::drawScene(zelk::rectf32) {
    titleObject.draw();
}

void JorvellTitle::animationEnd(zelk::animation::InterpolationGroup* group) {
    if (group == &fade) {
        startSlides();
    } else if (buttonPlay.isThisAnimationPosition(group)) {
        buttonPlay.frame.origin = zelk::vec2f32(600.f, 440.f);
        buttonPlay.addButtonText("PLAY");
        buttonPlay.on();
        if (showBoxButton) {
            buttonBox.frame.origin = zelk::vec2f32(450.f, 500.f);
            buttonBox.addButtonText("PLAY WITH\nBOX");
            buttonBox.on();
        }
    }
}

void JorvellTitle::releaseButton(zelk::ViewButton* button, unsigned int mouseButton, bool inside) {
    if (mouseButton != jorvell::mouseLeft || !inside) {
        return;
    }
    if (button == &buttonPlay) {
        clickResult = 1;
        printf("\nClick Play");
        fflush(stdout);
    } else if (button == &buttonBox) {
        clickResult = 2;
        printf("\nClick Play With Box");
        fflush(stdout);
    }
}
