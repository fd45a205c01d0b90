#ifndef JORVELLDATA_BLOCKFONT_H
#define JORVELLDATA_BLOCKFONT_H

#include "Shapes.h"

#include <string>

namespace jorvelldata {

// Capital letters drawn from a 5 x 7 grid of square cells, one empty column
// between letters. Points are in units with y down.
class BlockFont {
public:
    explicit BlockFont(float cell) : cell(cell) {}

    float textWidth(const std::string& text) const;
    float textHeight() const { return 7.0f * cell; }
    // Distance to the text whose top-left corner is at the point. Letters the
    // font lacks stay blank.
    float distance(Vec p, const std::string& text, Vec topLeft) const;

private:
    float cell;
};

} // namespace jorvelldata

#endif
