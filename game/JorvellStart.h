#ifndef JORVELL_START_H
#define JORVELL_START_H

#include "zelk/Object2D.h"
#include "zelk/TypeColor.h"
#include "zelk/ViewGU2D.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/Mesh2D.h"

// The logo screen: the built-in "powered by" logo, invisible for a second,
// fading in until 4 s and out until 7 s over the black of the view behind.
// Escape, Return or a left click ends it early.
class JorvellStart : public zelk::ViewGU2D {
public:
    JorvellStart();
    ~JorvellStart() override;

    void load() override;
    void unload() override;
    void update(zelk::WindowEvents* events) override;
    void drawScene(zelk::rectf32 outside) override;

    // The fade still plays.
    bool isAnimating() { return fade.isPlaying(); }

    zelk::Object2D logoObject;
    zelk::shape::Mesh2D logoMesh;
    // Given to the logo every frame; its alpha follows the fade.
    zelk::color4f32 fadeColor;
    zelk::animation::Interpolation1DGroup fade;
};

#endif
