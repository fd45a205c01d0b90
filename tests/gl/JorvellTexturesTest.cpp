#include "JorvellGameplay.h"
#include "JorvellLevel.h"
#include "JorvellStart.h"
#include "JorvellTitle.h"

#include "support/GLContext.h"
#include "support/GameFolder.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The screens with an OpenGL context, in a folder with the game's data: the
// pictures load, and the objects take their sizes from them.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

class Pictures : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        ASSERT_TRUE(folder.ready());
    }

    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
};

} // namespace

TEST_F(Pictures, TheLogoTakesTheBuiltInImagesSize) {
    JorvellStart start;
    start.load();
    EXPECT_NE(0u, start.logoMesh.material.getTexture(0));
    EXPECT_EQ(926.f, start.logoObject.size.width);
    EXPECT_EQ(1080.f, start.logoObject.size.height);
    start.unload();
    EXPECT_EQ(0u, start.logoMesh.material.getTexture(0));
}

TEST_F(Pictures, TheTitleTakesItsPicturesSizeAboveTheButtons) {
    sf::Image picture;
    ASSERT_TRUE(picture.loadFromFile("JorvellTitle.png"));
    JorvellTitle title;
    title.load();
    EXPECT_NE(0u, title.titleMesh.material.getTexture(0));
    EXPECT_EQ(static_cast<float>(picture.getSize().x), title.titleObject.size.width);
    EXPECT_EQ(static_cast<float>(picture.getSize().y), title.titleObject.size.height);
    // Centred 175 above the middle: it ends above the buttons at 440 pixels
    // down, 140 below the middle.
    EXPECT_LT(title.titleObject.size.height / 2 - 175.f, 140.f);
    title.unload();
}

TEST_F(Pictures, TheLevelAndThePlayerAreDressedInTheirPictures) {
    JorvellGameplay gameplay;
    gameplay.load();
    for (zelk::Object2D* part : {&gameplay.player.cabeca, &gameplay.player.peEsq}) {
        EXPECT_NE(0u, part->getMesh(0)->material.getTexture(0));
    }
    zelk::Cenario2D& scene = gameplay.cenario;
    unsigned int textured = 0;
    unsigned int objects = 0;
    for (unsigned int i = 0;
         zelk::physics2D::PhysicObject2D* object = scene.getPhysycObject(jorvell::groundLevel, i);
         i++) {
        objects++;
        zelk::shape::Mesh2D* mesh = object->getMesh(0);
        if (mesh && mesh->material.getTexture(0) != 0) {
            textured++;
        }
    }
    // All but the bar's yellow anchor.
    EXPECT_EQ(objects - 1, textured);
    EXPECT_EQ(9u, scene.tileSet.getTileSize());
    gameplay.unload();
}
