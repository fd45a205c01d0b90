#ifndef ZELK_TESTS_OPENTILESET_H
#define ZELK_TESTS_OPENTILESET_H

#include "zelk/tiles/TileSet2D.h"

namespace zelk {
namespace test {

// A tile set that shows its tiles, so that tests can look at what an
// operation on an ID did to the tile itself.
class OpenTileSet : public tiles::TileSet2D {
public:
    using tiles::TileSet2D::getTile;

    // Whether the tile is among those updateAnimations() advances.
    bool isAnimated(unsigned int id) {
        tiles::Tile2D* tile = getTile(id);
        return tile && animatedTiles.haveElement(tile);
    }
    // The tile's drawn quadrangle, or null.
    shape::Polygon2D* quadrangle(unsigned int id) {
        tiles::Tile2D* tile = getTile(id);
        return tile ? tile->mesh.polygons.get(0) : nullptr;
    }
};

} // namespace test
} // namespace zelk

#endif
