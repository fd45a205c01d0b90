#include "zelk/fonts/FontSet.h"

#include "zelk/String.h"

namespace zelk {
namespace fonts {

namespace {

const unsigned int cellsPerSide = 16;
const unsigned int characterCount = cellsPerSide * cellsPerSide;

} // namespace

FontSet::FontSet(unsigned int filter) : filter(filter) {}

FontSet::~FontSet() {
    deleteImage();
}

bool FontSet::loadFontImage(char* text, unsigned int filter, color4f32 color) {
    // The name may be this font's own, which deleteImage frees.
    char* copy = String::strCopy(text);
    deleteImage();
    bool loaded = copy && keepFont(loadImageTiles(copy, cellsPerSide, cellsPerSide, filter, color),
                                   copy, filter);
    delete[] copy;
    return loaded;
}

bool FontSet::loadFontImage(const char* text, unsigned int filter, color4f32 color) {
    return loadFontImage(const_cast<char*>(text), filter, color);
}

bool FontSet::loadFontImageFromMemory(char* text, unsigned char* data, unsigned int size,
                                      unsigned int filter, color4f32 color) {
    char* copy = String::strCopy(text);
    deleteImage();
    bool loaded = copy && data &&
                  keepFont(loadImageTilesFromMemory(copy, data, size, cellsPerSide, cellsPerSide,
                                                    filter, color),
                           copy, filter);
    delete[] copy;
    return loaded;
}

bool FontSet::loadFontImageFromMemory(const char* text, unsigned char* data, unsigned int size,
                                      unsigned int filter, color4f32 color) {
    return loadFontImageFromMemory(const_cast<char*>(text), data, size, filter, color);
}

void FontSet::deleteImage() {
    deleteTiles();
    name.deleteName();
}

bool FontSet::setName(char* text) {
    deleteTiles();
    return name.setName(text);
}

bool FontSet::setName(const char* text) {
    return setName(const_cast<char*>(text));
}

bool FontSet::nameBiggerThan(char* text) {
    return name.nameBiggerThan(text);
}

bool FontSet::nameBiggerThan(const char* text) {
    return name.nameBiggerThan(text);
}

bool FontSet::nameEqualThan(char* text) {
    return name.nameEqual(text);
}

bool FontSet::nameEqualThan(const char* text) {
    return name.nameEqual(text);
}

bool FontSet::keepFont(Tile2Positions2D cut, char* text, unsigned int filter) {
    if (cut.first == 1 && cut.last == characterCount && name.setName(text)) {
        this->filter = filter;
        return true;
    }
    deleteImage();
    return false;
}

} // namespace fonts
} // namespace zelk
