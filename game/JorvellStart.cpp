#include "JorvellStart.h"

#include "JorvellFilters.h"
#include "JorvellKeys.h"
#include "JorvellPicture.h"

#include "zelk/embedded/BuiltInImages.h"

JorvellStart::JorvellStart() {}

JorvellStart::~JorvellStart() {}

void JorvellStart::load() {
    logoMesh.material.loadTextureFromMemory(zelk::poweredZELKColor::name,
                                            zelk::poweredZELKColor::vec,
                                            zelk::poweredZELKColor::size, 0, jorvell::linearFilter);
    jorvell::showPicture(logoObject, logoMesh);
    backgroundColor = zelk::color4f32(1.f, 1.f, 1.f, 0.f);
    // A load after an unload starts from the same four key frames.
    fade.cleanAnimations();
    fade.addNewInterpolationLine(0.f, 0.f);
    fade.addNewInterpolationLine(1.f, 0.f);
    fade.addNewInterpolationLine(4.f, 1.f);
    fade.addNewInterpolationLine(7.f, 0.f);
    fade.playForward();
    fadeColor = zelk::color4f32(1.f, 1.f, 1.f, 1.f);
    frame.size = zelk::size2f32(800.f, 600.f);
    camera.setSize(1439.f, 1080.f);
}

void JorvellStart::unload() {
    jorvell::hidePicture(logoObject, logoMesh);
}

void JorvellStart::update(zelk::WindowEvents* events) {
    fade.updateClockAnimation();
    fadeColor.a = fade.getClockX(nullptr);
    logoObject.setPolygonsColor(fadeColor);
    if (jorvell::skipRequested(events)) {
        fade.stop();
    }
}

void JorvellStart::drawScene(zelk::rectf32) {
    logoObject.draw();
}
