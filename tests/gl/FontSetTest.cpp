// Font sets cut from images and shared through the font set list, in a real
// OpenGL context.
#include <GL/glew.h>

#include "support/Fonts.h"
#include "support/ImageSupport.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "zelk/embedded/BuiltInImages.h"
#include "zelk/fonts/FontSet.h"
#include "zelk/fonts/fontSetList.h"

#include <gtest/gtest.h>

using zelk::color4f32;
using zelk::fonts::FontSet;
using zelk::fonts::fontSetList;
using zelk::test::FontListProbe;
using zelk::test::TextureListProbe;

namespace {

const color4f32 white(1.f, 1.f, 1.f, 1.f);
const color4f32 red(1.f, 0.f, 0.f, 1.f);

class FontSetTest : public zelk::test::FontsGLTest {
protected:
    FontSet* builtIn(unsigned int filter, color4f32 color = white) {
        return fontSetList::createFontSetFromMemory(ZELKFontTemplateName, ZELKFontTemplate,
                                                    ZELKFontTemplateSize, filter, color);
    }
};

} // namespace

TEST_F(FontSetTest, AFontIsCutIntoTheTiles1To256UnderItsNameAndFilter) {
    FontSet set(0);
    ASSERT_TRUE(set.loadFontImageFromMemory("font.png", ZELKFontTemplate, ZELKFontTemplateSize,
                                            GL_NEAREST, white));
    EXPECT_EQ(256u, set.getTileSize());
    EXPECT_STREQ("font.png", set.getName());
    EXPECT_EQ(unsigned(GL_NEAREST), set.getFilter());
    EXPECT_EQ(&set, set.getTileSet());
    EXPECT_EQ(1u, TextureListProbe::byCode()) << "every tile shares the one image";

    // Loading again under its own name text, which the load frees first.
    EXPECT_TRUE(set.loadFontImageFromMemory(set.getName(), ZELKFontTemplate, ZELKFontTemplateSize,
                                            GL_LINEAR, white));
    EXPECT_STREQ("font.png", set.getName());
    EXPECT_EQ(unsigned(GL_LINEAR), set.getFilter());

    EXPECT_TRUE(set.setName("probe"));
    EXPECT_EQ(0u, set.getTileSize()) << "a new name deletes the font";
    EXPECT_TRUE(set.nameEqualThan("probe"));
    EXPECT_TRUE(set.nameBiggerThan("a"));
    set.deleteImage();
    EXPECT_EQ(nullptr, set.getName());
}

TEST_F(FontSetTest, FontsLoadFromFilesAndAreReleasedByName) {
    zelk::test::TempDir folder;
    std::string path = folder.file("font.png");
    zelk::test::writeBytes(
        path, zelk::test::Bytes(ZELKFontTemplate, ZELKFontTemplate + ZELKFontTemplateSize));
    FontSet* set = fontSetList::createFontSet(path.c_str(), GL_NEAREST, white);
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(256u, set->getTileSize());
    EXPECT_EQ(set, fontSetList::createFontSet(path.c_str(), GL_NEAREST, white));
    EXPECT_TRUE(fontSetList::removeFontSetByName(path.c_str(), GL_NEAREST));
    EXPECT_TRUE(fontSetList::removeFontSetByName(path.c_str(), GL_NEAREST));
    EXPECT_FALSE(fontSetList::removeFontSetByName(path.c_str(), GL_NEAREST));

    EXPECT_EQ(nullptr,
              fontSetList::createFontSet(folder.file("none.png").c_str(), GL_NEAREST, white));
    EXPECT_EQ(nullptr, fontSetList::createFontSet(static_cast<char*>(nullptr), GL_NEAREST, white));
}

TEST_F(FontSetTest, RequestsForOneNameAndFilterShareOneSetUntilTheLastRelease) {
    FontSet* first = builtIn(GL_NEAREST);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, builtIn(GL_NEAREST, red)) << "the colour of a later request is ignored";
    EXPECT_EQ(1u, FontListProbe::sets());

    EXPECT_TRUE(fontSetList::removeFontSet(first));
    EXPECT_EQ(1u, FontListProbe::sets());
    EXPECT_EQ(256u, first->getTileSize());
    EXPECT_TRUE(fontSetList::removeFontSet(first));
    EXPECT_EQ(0u, FontListProbe::sets());
    EXPECT_EQ(0u, TextureListProbe::byCode());
}

TEST_F(FontSetTest, TheSameNameWithAnotherFilterIsAnotherSet) {
    FontSet* nearest = builtIn(GL_NEAREST);
    FontSet* linear = builtIn(GL_LINEAR);
    ASSERT_NE(nullptr, nearest);
    ASSERT_NE(nullptr, linear);
    EXPECT_NE(nearest, linear);
    EXPECT_EQ(2u, FontListProbe::sets());
    EXPECT_TRUE(fontSetList::removeFontSetByName(ZELKFontTemplateName, GL_LINEAR));
    EXPECT_EQ(nearest, builtIn(GL_NEAREST));
    fontSetList::deleteAllFonts();
    EXPECT_EQ(0u, FontListProbe::sets());
}

TEST_F(FontSetTest, ImagesThatDoNotLoadAreRefusedAndLeaveNothingListed) {
    unsigned char garbage[64] = {0x89, 'P', 'N', 'G', 1, 2, 3};
    EXPECT_EQ(nullptr, fontSetList::createFontSetFromMemory("bad.png", garbage, sizeof garbage,
                                                            GL_NEAREST, white));
    EXPECT_EQ(nullptr, fontSetList::createFontSetFromMemory("short.png", ZELKFontTemplate, 100,
                                                            GL_NEAREST, white));
    EXPECT_EQ(nullptr,
              fontSetList::createFontSetFromMemory("null.png", nullptr, 100, GL_NEAREST, white));
    EXPECT_EQ(nullptr, fontSetList::createFontSetFromMemory(
                           "", ZELKFontTemplate, ZELKFontTemplateSize, GL_NEAREST, white))
        << "a font is found by its name: it needs one";
    EXPECT_EQ(0u, FontListProbe::sets());

    FontSet set(GL_LINEAR);
    EXPECT_FALSE(
        set.loadFontImageFromMemory("bad.png", garbage, sizeof garbage, GL_NEAREST, white));
    EXPECT_EQ(0u, set.getTileSize());
    EXPECT_EQ(nullptr, set.getName());
    EXPECT_EQ(unsigned(GL_LINEAR), set.getFilter()) << "the filter changes only on success";
}

TEST_F(FontSetTest, ReleasingWhatWasNeverLoadedGivesFalse) {
    EXPECT_FALSE(fontSetList::removeFontSetByName("never.png", GL_NEAREST));
    EXPECT_FALSE(fontSetList::removeFontSetByName(static_cast<char*>(nullptr), GL_NEAREST));
    EXPECT_FALSE(fontSetList::removeFontSet(nullptr));
    FontSet unlisted(GL_NEAREST);
    EXPECT_FALSE(fontSetList::removeFontSet(&unlisted));
}
