#include "zelk/fonts/FontMap.h"

namespace zelk {
namespace fonts {

namespace {

const unsigned char lineFeed = 10;
const unsigned char carriageReturn = 13;
const unsigned char blank = 32;

bool isBreak(uint32 id) {
    return id == lineFeed || id == carriageReturn;
}

// The second byte of a C3 sequence whose Latin-1 letter the font shows.
bool isShownLatinLetter(unsigned char second) {
    return (second >= 0x80 && second <= 0x84) || (second >= 0x87 && second <= 0x8F) ||
           (second >= 0x91 && second <= 0x96) || (second >= 0x99 && second <= 0x9D) ||
           (second >= 0xA0 && second <= 0xA4) || (second >= 0xA7 && second <= 0xAF) ||
           (second >= 0xB1 && second <= 0xB6) || (second >= 0xB9 && second <= 0xBD);
}

} // namespace

FontMap::FontLine::FontLine(unsigned int size)
    : size(size), values(size > 0 ? new unsigned int[size]() : nullptr) {}

FontMap::FontLine::~FontLine() {
    delete[] values;
}

bool FontMap::FontLine::setValue(unsigned int position, unsigned int id) {
    if (!havePosition(position)) {
        return false;
    }
    values[position] = id;
    return true;
}

unsigned int FontMap::FontLine::getValue(unsigned int position) {
    return havePosition(position) ? values[position] : 0;
}

uint32 FontMap::getTileID(char* text, unsigned char* bytes) {
    if (!bytes) {
        return 0;
    }
    *bytes = 1;
    if (!text) {
        return 0;
    }
    // Each byte is looked at only when the one before is not the terminator.
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text);
    switch (at[0]) {
    case 0xC3:
        if (isShownLatinLetter(at[1])) {
            *bytes = 2;
            return at[1] + 0x40u;
        }
        return at[0];
    case 0xC4:
    case 0xC5:
        if (at[1] == 0xA9) {
            *bytes = 2;
            return blank;
        }
        return at[0];
    case 0xE1:
        if (at[1] == 0xBA && at[2] == 0xBD) {
            *bytes = 3;
            return blank;
        }
        return at[0];
    default:
        return at[0];
    }
}

uint32 FontMap::getTileID(const char* text, unsigned char* bytes) {
    return getTileID(const_cast<char*>(text), bytes);
}

uint32 FontMap::wordSize(char* text) {
    uint32 count = 0;
    unsigned char bytes = 1;
    for (uint32 id = getTileID(text, &bytes); id != 0 && id != blank && !isBreak(id);
         id = getTileID(text, &bytes)) {
        text += bytes;
        count++;
    }
    return count;
}

uint32 FontMap::lineSize(char* text) {
    uint32 count = 0;
    unsigned char bytes = 1;
    for (uint32 id = getTileID(text, &bytes); id != 0 && !isBreak(id);
         id = getTileID(text, &bytes)) {
        text += bytes;
        count++;
    }
    return count;
}

FontMap::FontLine* FontMap::newLine(unsigned int size) {
    if (size == 0) {
        return nullptr;
    }
    FontLine* line = new FontLine(size);
    lines.pushBack(line);
    if (size > mapWidth) {
        mapWidth = size;
    }
    return line;
}

void FontMap::cleanLines() {
    for (unsigned int i = 0; i < lines.size(); i++) {
        delete lines.get(i);
    }
    lines.clean();
    mapWidth = 0;
}

uint32 FontMap::readCharacter(char*& text) {
    unsigned char bytes = 1;
    uint32 id = getTileID(text, &bytes);
    text += bytes;
    return id;
}

unsigned int FontMap::copyCharacters(char*& text, FontLine* line, unsigned int at,
                                     unsigned int count) {
    for (unsigned int i = 0; i < count; i++) {
        line->setValue(at++, readCharacter(text));
    }
    return at;
}

bool FontMap::createStringMap(char* text) {
    cleanLines();
    if (!text) {
        return false;
    }
    FontLine* line = nullptr;
    unsigned int position = 0;
    unsigned int breaks = 0;
    while (*text != 0) {
        if (!line) {
            unsigned int size = lineSize(text);
            if (size > 0) {
                line = newLine(size);
                position = 0;
                breaks = 0;
            } else if (isBreak(static_cast<unsigned char>(*text))) {
                if (breaks > 0) {
                    newLine(1);
                }
                breaks++;
            }
            if (!line) {
                text++;
            }
            continue;
        }
        unsigned int free = line->getSize() - position;
        unsigned int word = wordSize(text);
        if (word > 0) {
            if (free < word && position > 0) {
                line = nullptr;
            } else {
                unsigned int count = word < line->getSize() ? word : line->getSize();
                position = copyCharacters(text, line, position, count);
            }
        } else if (free == 0) {
            line = nullptr;
        } else {
            uint32 id = readCharacter(text);
            if (isBreak(id)) {
                line = nullptr;
            } else {
                line->setValue(position++, id);
            }
        }
    }
    return finishLayout(mapWidth);
}

bool FontMap::createStringMap(const char* text) {
    return createStringMap(const_cast<char*>(text));
}

bool FontMap::createStringMap(char* text, unsigned int width) {
    cleanLines();
    if (!text || width == 0) {
        return false;
    }
    FontLine* line = nullptr;
    unsigned int position = 0;
    unsigned int breaks = 0;
    while (*text != 0) {
        if (!line) {
            // The map would pass the tile map's limit: refused before the
            // row is made, so memory stays within the largest map there is.
            if ((uint64(lines.size()) + 1) * width > tiles::TileMap2D::maxCells) {
                cleanLines();
                return false;
            }
            line = newLine(width);
            position = 0;
        }
        unsigned int free = width - position;
        unsigned int word = wordSize(text);
        if (word == 0) {
            if (free == 0) {
                line = nullptr;
                continue;
            }
            uint32 id = readCharacter(text);
            if (!isBreak(id)) {
                line->setValue(position++, id);
                breaks = 0;
            } else if (breaks++ > 0) {
                line = nullptr;
            }
            continue;
        }
        breaks = 0;
        if (word <= free) {
            position = copyCharacters(text, line, position, word);
        } else if (position > 0) {
            line = nullptr;
        } else {
            position = copyCharacters(text, line, position, width);
        }
    }
    return finishLayout(width);
}

bool FontMap::createStringMap(const char* text, unsigned int width) {
    return createStringMap(const_cast<char*>(text), width);
}

bool FontMap::finishLayout(unsigned int width) {
    unsigned int height = lines.size();
    bool made = height > 0 && mapText.newTileMap(width, height);
    if (made) {
        for (unsigned int y = 0; y < height; y++) {
            FontLine* line = lines.get(y);
            for (unsigned int x = 0; x < line->getSize(); x++) {
                if (!mapText.setTile(line->getValue(x), x, y)) {
                    break;
                }
            }
        }
        selectAll();
    }
    cleanLines();
    return made;
}

} // namespace fonts
} // namespace zelk
