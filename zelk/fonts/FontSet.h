#ifndef ZELK_FONTS_FONTSET_H
#define ZELK_FONTS_FONTSET_H

#include "zelk/TypeColor.h"
#include "zelk/TypeVars.h"
#include "zelk/tiles/TileSet2D.h"
#include "zelk/vector/Name.h"

namespace zelk {
namespace fonts {

// A bitmap font: an image of 16 x 16 character cells cut into a tile set, one
// tile per character code. Loaded, it holds exactly the tiles 1 to 256, the
// glyph of code c being tile c (the c-th cell, row by row from the top-left);
// code 0 stands for an empty cell. It keeps the image's name (the file name,
// or the name given with bytes in memory) and filter, by which the font set
// list shares it.
class FontSet : public tiles::TileSet2D {
public:
    explicit FontSet(unsigned int filter);
    ~FontSet() override;

    // Replaces the font with the image cut into 16 x 16 tiles; false, with no
    // font left, for a null or empty name or an image that does not load.
    bool loadFontImage(char* name, unsigned int filter, color4f32 color);
    bool loadFontImage(const char* name, unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    bool loadFontImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                 unsigned int filter, color4f32 color);
    // Deletes every tile and the name.
    void deleteImage();

    tiles::TileSet2D* getTileSet() { return this; }
    uint32 getFilter() { return filter; }
    // The stored text itself, null without a font.
    char* getName() { return name.getName(); }
    // Deletes the font, then takes the name (lookup probes are made so).
    bool setName(char* text);
    bool setName(const char* text);
    bool nameBiggerThan(char* text);
    bool nameBiggerThan(const char* text);
    bool nameEqualThan(char* text);
    bool nameEqualThan(const char* text);

protected:
    // Keeps the name and filter of a cut that made the tiles 1 to 256, or
    // deletes what it made.
    bool keepFont(Tile2Positions2D cut, char* text, unsigned int filter);

    vector::Name name;
    uint32 filter;
};

} // namespace fonts
} // namespace zelk

#endif
