#ifndef ZELK_TESTS_FONTS_H
#define ZELK_TESTS_FONTS_H

#include "support/GLContext.h"
#include "zelk/fonts/FontMap.h"
#include "zelk/fonts/fontSetList.h"

#include <SFML/Graphics/Image.hpp>

namespace zelk {
namespace test {

// Looks into the shared font set list: how many sets it holds.
struct FontListProbe : fonts::fontSetList {
    static unsigned int sets() { return tree.size(); }
};

// A text map whose grid and reveal state can be read.
class FontMapProbe : public fonts::FontMap {
public:
    unsigned int cell(unsigned int x, unsigned int y) { return mapText.getTileID(x, y); }
    unsigned int firstIndex() const { return originIndex; }
    unsigned int lastDrawnIndex() const { return lastIndex; }
    vec2ui32 first() const { return origin; }
    vec2ui32 lastDrawn() const { return last; }
    fonts::FontSet* font() const { return fontSet; }
};

// The built-in font sheet, decoded: the glyph of code c in cell c - 1, row by
// row from the top-left, 16 x 16 pixels a cell.
class FontSheet {
public:
    FontSheet();
    // The glyph's alpha at pixel (x, y) of its cell, y from the cell's top.
    unsigned char alpha(unsigned int code, unsigned int x, unsigned int y) const;

private:
    sf::Image sheet;
};

// A context of its own for the font, button and menu tests (64 x 64 pixels
// unless a test opens another), with blending on as the window sets it and
// the unit projection of a view. Every test must
// leave no font set and no texture behind.
class FontsGLTest : public GLContextTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the context with a current one of width x height pixels, set
    // up the same way.
    void openContext(int width, int height);
    // x and y from the bottom-left corner, as OpenGL counts.
    std::vector<unsigned char> at(int x, int y);
};

} // namespace test
} // namespace zelk

#endif
