#include "zelk/embedded/BuiltInImages.h"
#include "zelk/Image2D.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelk::Image2D;

namespace {

struct BuiltIn {
    const char* bytesName;
    unsigned char* bytes;
    unsigned int size;
    const char* name;
    const char* expectedName;
    unsigned int width;
    unsigned int height;
    unsigned char channels;
};

const std::vector<BuiltIn>& builtIns() {
    static const std::vector<BuiltIn> all = {
        {"ZELKButtonNormalTemplate", ZELKButtonNormalTemplate, ZELKButtonNormalTemplateSize,
         ZELKButtonNormalTemplateName, "ZELKButtonNormalTemplate.png", 50, 50, 4},
        {"ZELKButtonUpTemplate", ZELKButtonUpTemplate, ZELKButtonUpTemplateSize,
         ZELKButtonUpTemplateName, "ZELKButtonUpTemplate.png", 50, 50, 4},
        {"ZELKButtonPressedTemplate", ZELKButtonPressedTemplate, ZELKButtonPressedTemplateSize,
         ZELKButtonPressedTemplateName, "ZELKButtonPressedTemplate.png", 50, 50, 4},
        {"ZELKMenuTextureTemplate", ZELKMenuTextureTemplate, ZELKMenuTemplateTextureSize,
         ZELKMenuTemplateTextureName, "ZELKmenuTemplateTexture.png", 20, 20, 4},
        {"ZELKFontTemplate", ZELKFontTemplate, ZELKFontTemplateSize, ZELKFontTemplateName,
         "ZELKFontTemplate.png", 256, 256, 4},
        {"poweredZELKColor", zelk::poweredZELKColor::vec, zelk::poweredZELKColor::size,
         zelk::poweredZELKColor::name, "poweredZELKColor.png", 926, 1080, 4},
        {"poweredZELKWhite", zelk::poweredZELKWhite::vec, zelk::poweredZELKWhite::size,
         zelk::poweredZELKWhite::name, "poweredZELKWhite.jpg", 926, 1080, 3},
    };
    return all;
}

struct Pixel {
    unsigned char r, g, b, a;
};

Pixel at(const Image2D& image, unsigned int x, unsigned int y) {
    const unsigned char* p =
        image.getPixels() + (static_cast<size_t>(y) * image.getWidth() + x) * image.getChannels();
    return image.getChannels() == 4 ? Pixel{p[0], p[1], p[2], p[3]} : Pixel{p[0], p[1], p[2], 255};
}

bool same(Pixel a, Pixel b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// Brightness weighted as the eye sees it, 0 to 255.
int luma(Pixel p) {
    return (p.r * 299 + p.g * 587 + p.b * 114) / 1000;
}

// Opaque white pixels and pixels that are not fully transparent in the font
// cell of a character code (cell c - 1, counted row by row from the top-left).
struct Cell {
    int whiteOpaque = 0;
    int visible = 0;
};
Cell fontCell(const Image2D& font, unsigned int code) {
    Cell cell;
    unsigned int left = (code - 1) % 16 * 16;
    unsigned int top = (code - 1) / 16 * 16;
    for (unsigned int y = top; y < top + 16; ++y) {
        for (unsigned int x = left; x < left + 16; ++x) {
            Pixel p = at(font, x, y);
            cell.visible += p.a != 0;
            cell.whiteOpaque += same(p, Pixel{255, 255, 255, 255});
        }
    }
    return cell;
}

} // namespace

TEST(BuiltInImages, EachDecodesToItsSizeUnderItsName) {
    for (const BuiltIn& image : builtIns()) {
        SCOPED_TRACE(image.bytesName);
        EXPECT_STREQ(image.expectedName, image.name);
        Image2D decoded;
        ASSERT_TRUE(decoded.loadFromMemory(image.bytes, image.size));
        EXPECT_EQ(image.width, decoded.getWidth());
        EXPECT_EQ(image.height, decoded.getHeight());
        EXPECT_EQ(image.channels, decoded.getChannels());
    }
}

// The nine-part cut shows the quarters at the corners and stretches the
// centre rows and columns: transparent corners, a dark opaque centre, and a
// frame that is the same on every side.
TEST(BuiltInImages, TemplatesAreSymmetricFramesWithADarkPlainCentre) {
    for (const BuiltIn& image : builtIns()) {
        if (image.width > 50) {
            continue;
        }
        SCOPED_TRACE(image.bytesName);
        Image2D frame;
        ASSERT_TRUE(frame.loadFromMemory(image.bytes, image.size));
        unsigned int last = image.width - 1;
        unsigned int middle = image.width / 2;
        for (unsigned int x : {0u, last}) {
            for (unsigned int y : {0u, last}) {
                EXPECT_EQ(0, at(frame, x, y).a) << x << "," << y;
            }
        }
        // The centre, and the band of rows and columns around it that the
        // edges stretch, are one opaque colour dark enough for white text.
        Pixel fill = at(frame, middle, middle);
        EXPECT_EQ(255, fill.a);
        EXPECT_LT(luma(fill), 100);
        for (unsigned int y = middle - 2; y <= middle + 1; ++y) {
            for (unsigned int x = middle - 2; x <= middle + 1; ++x) {
                EXPECT_TRUE(same(fill, at(frame, x, y))) << x << "," << y;
            }
        }
        for (unsigned int y = 0; y < image.height; ++y) {
            for (unsigned int x = 0; x < image.width; ++x) {
                Pixel p = at(frame, x, y);
                EXPECT_TRUE(same(p, at(frame, last - x, y)) && same(p, at(frame, x, last - y)) &&
                            same(p, at(frame, y, x)))
                    << x << "," << y;
            }
        }
        // Each middle row holds the straight edge profile: it is the same in
        // the rows next to it.
        for (unsigned int x = 0; x < image.width; ++x) {
            EXPECT_TRUE(same(at(frame, x, middle - 2), at(frame, x, middle + 1))) << x;
        }
        // The edge is drawn at the rim: opaque a few pixels in.
        EXPECT_EQ(255, at(frame, 2, middle).a);
    }
}

TEST(BuiltInImages, ButtonStatesShareTheLayoutInLighterAndDarkerColours) {
    Image2D normal, up, pressed;
    ASSERT_TRUE(normal.loadFromMemory(ZELKButtonNormalTemplate, ZELKButtonNormalTemplateSize));
    ASSERT_TRUE(up.loadFromMemory(ZELKButtonUpTemplate, ZELKButtonUpTemplateSize));
    ASSERT_TRUE(pressed.loadFromMemory(ZELKButtonPressedTemplate, ZELKButtonPressedTemplateSize));
    for (unsigned int y = 0; y < 50; ++y) {
        for (unsigned int x = 0; x < 50; ++x) {
            EXPECT_EQ(at(normal, x, y).a, at(up, x, y).a);
            EXPECT_EQ(at(normal, x, y).a, at(pressed, x, y).a);
        }
    }
    EXPECT_GT(luma(at(up, 25, 25)), luma(at(normal, 25, 25)));
    EXPECT_LT(luma(at(pressed, 25, 25)), luma(at(normal, 25, 25)));
}

TEST(BuiltInImages, FontCellsHoldTheGlyphOfCodeCInCellCMinusOne) {
    Image2D font;
    ASSERT_TRUE(font.loadFromMemory(ZELKFontTemplate, ZELKFontTemplateSize));
    // Glyphs are white; only their coverage varies.
    for (unsigned int y = 0; y < 256; ++y) {
        for (unsigned int x = 0; x < 256; ++x) {
            Pixel p = at(font, x, y);
            ASSERT_TRUE(p.a == 0 || (p.r == 255 && p.g == 255 && p.b == 255)) << x << "," << y;
        }
    }
    // 'A' is cell 64: row 4, column 0.
    EXPECT_GT(fontCell(font, 'A').whiteOpaque, 5);
    for (unsigned int code : {32u, 127u, 128u, 159u, 160u, 256u}) {
        EXPECT_EQ(0, fontCell(font, code).visible) << code;
    }
    for (unsigned int code = 33; code <= 255; ++code) {
        if (code <= 126 || code >= 161) {
            EXPECT_GT(fontCell(font, code).visible, 0) << code;
        }
    }
    // Different letters, different cells: 'I' is narrower than 'W'.
    EXPECT_LT(fontCell(font, 'I').visible, fontCell(font, 'W').visible);
}

TEST(BuiltInImages, LogosShowTheirWordsOnTheirBackground) {
    Image2D colour, white;
    ASSERT_TRUE(colour.loadFromMemory(zelk::poweredZELKColor::vec, zelk::poweredZELKColor::size));
    ASSERT_TRUE(white.loadFromMemory(zelk::poweredZELKWhite::vec, zelk::poweredZELKWhite::size));
    // The colour logo is transparent around its words and bright in them; the
    // JPEG twin is white around the same words and darker in them.
    EXPECT_EQ(0, at(colour, 0, 0).a);
    EXPECT_EQ(0, at(colour, 925, 1079).a);
    EXPECT_GT(luma(at(white, 0, 0)), 245);
    unsigned int brightInColour = 0;
    unsigned int darkInWhite = 0;
    for (unsigned int y = 0; y < 1080; y += 2) {
        for (unsigned int x = 0; x < 926; x += 2) {
            Pixel p = at(colour, x, y);
            brightInColour += p.a == 255 && luma(p) > 120;
            darkInWhite += luma(at(white, x, y)) < 160;
        }
    }
    EXPECT_GT(brightInColour, 5000u);
    EXPECT_GT(darkInWhite, 5000u);
}
