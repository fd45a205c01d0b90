#ifndef JORVELL_TITLE_H
#define JORVELL_TITLE_H

#include "zelk/ButtonCallback.h"
#include "zelk/Object2D.h"
#include "zelk/TypeVars.h"
#include "zelk/ViewButton.h"
#include "zelk/ViewGU2D.h"
#include "zelk/animation/AnimationCallback.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/Mesh2D.h"

// The title screen: "JorvellTitle.png" over a white background that fades in
// for 1.5 s, then the "PLAY" button sliding in from the left (and, once a
// level has been played, "PLAY WITH\nBOX" below it). Escape, Return or a left
// click during the fade starts the slides at once. Releasing the left mouse
// button inside a button once it is on records the choice for the control
// view, which reads it with clickPlay().
//
// Final frames in window pixels (y down): PLAY (600, 440) 150 x 50, PLAY WITH
// BOX (450, 500) 300 x 70.
class JorvellTitle : public zelk::ViewGU2D,
                     public zelk::animation::AnimationCallback,
                     public zelk::ButtonCallback {
public:
    JorvellTitle();
    ~JorvellTitle() override;

    void load() override;
    // The choice made stays readable after the unload.
    void unload() override;
    void update(zelk::WindowEvents* events) override;
    void drawScene(zelk::rectf32 outside) override;

    // The fade's end starts the slides; PLAY's slide end places both buttons,
    // labels them and switches them on.
    void animationEnd(zelk::animation::InterpolationGroup* group) override;
    void pressButton(zelk::ViewButton*, unsigned int) override {}
    void releaseButton(zelk::ViewButton* button, unsigned int mouseButton, bool inside) override;
    void holdButton(zelk::ViewButton*, unsigned int) override {}

    // 0 no choice yet, 1 PLAY, 2 PLAY WITH BOX.
    zelk::uint8 clickPlay() { return clickResult; }
    // From the next load on, the second button is shown too.
    void showBox() { showBoxButton = true; }

    zelk::Object2D titleObject;
    zelk::shape::Mesh2D titleMesh;
    zelk::animation::Interpolation1DGroup fade;
    bool showBoxButton;
    zelk::ViewButton buttonPlay;
    zelk::ViewButton buttonBox;
    zelk::uint8 clickResult;

private:
    void startSlides();
    // Border 10, the frame, added as a subview, a slide of 800 pixels to the
    // right in 0.5 s at that height offset, switched off, reporting here.
    void prepareButton(zelk::ViewButton& button, zelk::rectf32 start, float offsetY);
    void forgetButton(zelk::ViewButton& button);
};

#endif
