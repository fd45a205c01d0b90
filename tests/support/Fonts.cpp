#include <GL/glew.h>

#include "support/Fonts.h"
#include "support/TextureListProbe.h"
#include "zelk/GU.h"
#include "zelk/embedded/BuiltInImages.h"

namespace zelk {
namespace test {

FontSheet::FontSheet() {
    sheet.loadFromMemory(ZELKFontTemplate, ZELKFontTemplateSize);
}

unsigned char FontSheet::alpha(unsigned int code, unsigned int x, unsigned int y) const {
    unsigned int cell = code - 1;
    return sheet.getPixel(cell % 16 * 16 + x, cell / 16 * 16 + y).a;
}

namespace {

void drawingState() {
    unitProjection();
    GU::guEnable(GL_BLEND);
    GU::guBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

} // namespace

void FontsGLTest::SetUp() {
    GLContextTest::SetUp();
    drawingState();
}

void FontsGLTest::openContext(int width, int height) {
    context = std::make_unique<sf::Context>(engineContextSettings(), width, height);
    ASSERT_TRUE(context->setActive(true));
    glViewport(0, 0, width, height);
    GU::guUseMatrix(GL_MODELVIEW);
    drawingState();
}

void FontsGLTest::TearDown() {
    EXPECT_EQ(0u, FontListProbe::sets()) << "a font set was left in the list";
    EXPECT_EQ(0u, TextureListProbe::byCode()) << "a texture was left in the list";
    fonts::fontSetList::deleteAllFonts();
    Texture2DList::deleteAllTextures();
    GLContextTest::TearDown();
}

std::vector<unsigned char> FontsGLTest::at(int x, int y) {
    return readPixels(x, y, 1, 1);
}

} // namespace test
} // namespace zelk
