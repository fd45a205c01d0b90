#include "JorvellControlView.h"

#include "support/GameFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

// The screen switch without a display, in a folder with the game's data and
// the test level; the screens' clocks are moved through their step seams.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

class Screens : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.ready());
        ASSERT_TRUE(folder.replace("player/cenarioWin64.xml",
                                   std::string(JORVELL_DATA_DIR) + "/player/cenarioTest.xml"));
        control = std::make_unique<JorvellControlView>();
        control->frame = zelk::rectf32(0.f, 0.f, 800.f, 600.f);
    }
    // As when the window closes: the screen still shown goes loaded.
    void TearDown() override { control.reset(); }

    void update() { control->update(&events); }
    // The title's fade and slides end; then a left click inside the button.
    void choose(zelk::ViewButton& button) {
        JorvellTitle& title = control->titleScreen;
        title.fade.stepClockAnimation(2.f);
        title.buttonPlay.animationPosition.stepClockAnimation(1.f);
        title.buttonBox.animationPosition.stepClockAnimation(1.f);
        zelk::test::captureStdout([&] {
            button.eventMousePressed(zelk::vec2f32(5.f, 5.f), 1);
            button.eventMouseReleased(zelk::vec2f32(5.f, 5.f), 1);
        });
    }
    // The one subview shown.
    zelk::View* shown() {
        zelk::View* only = nullptr;
        for (unsigned int i = 0; i < control->getCount(); i++) {
            if (zelk::View* view = control->getSubview(i)) {
                EXPECT_EQ(nullptr, only);
                only = view;
            }
        }
        return only;
    }

    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
    std::unique_ptr<JorvellControlView> control;
    zelk::WindowEvents events;
};

} // namespace

TEST_F(Screens, TheLogoComesFirstAndTheTitleFollowsItsFade) {
    EXPECT_EQ(0, control->screenState);
    EXPECT_EQ(&control->startScreen, shown());
    update();
    EXPECT_EQ(0, control->screenState);
    control->startScreen.fade.stepClockAnimation(8.f);
    update();
    EXPECT_EQ(1, control->screenState);
    EXPECT_EQ(&control->titleScreen, shown());
    EXPECT_EQ(0u, control->startScreen.logoMesh.getPolygonSize());
    EXPECT_FALSE(control->titleScreen.haveSubview(&control->titleScreen.buttonBox));
}

TEST_F(Screens, PlayLoadsTheLevelInTheControlsFrameAndItsEndBringsTheTitleBackWithTwoButtons) {
    control->startScreen.fade.stop();
    update();
    choose(control->titleScreen.buttonPlay);
    update();
    EXPECT_EQ(2, control->screenState);
    EXPECT_EQ(&control->gameplayScreen, shown());
    EXPECT_EQ(800.f, control->gameplayScreen.frame.size.width);
    EXPECT_EQ(600.f, control->gameplayScreen.frame.size.height);
    EXPECT_EQ(0u, control->gameplayScreen.player.physicObject.getMeshSize());
    update();
    EXPECT_EQ(2, control->screenState);

    control->gameplayScreen.ended = true;
    update();
    EXPECT_EQ(1, control->screenState);
    EXPECT_EQ(&control->titleScreen, shown());
    EXPECT_EQ(0u, control->gameplayScreen.cenario.levels.size());
    EXPECT_TRUE(control->titleScreen.haveSubview(&control->titleScreen.buttonBox));
    EXPECT_EQ(0, control->titleScreen.clickPlay());

    choose(control->titleScreen.buttonBox);
    update();
    EXPECT_EQ(2, control->screenState);
    // The collision polygons for this run only.
    EXPECT_EQ(1u, control->gameplayScreen.player.physicObject.getMeshSize());
    control->gameplayScreen.ended = true;
    update();
    choose(control->titleScreen.buttonPlay);
    update();
    EXPECT_EQ(0u, control->gameplayScreen.player.physicObject.getMeshSize());
    EXPECT_TRUE(control->titleScreen.showBoxButton);
}
