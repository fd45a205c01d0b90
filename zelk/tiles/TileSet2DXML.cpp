#include "zelk/tiles/TileSet2D.h"

#include "zelk/ElementXML.h"
#include "zelk/XML.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelk {
namespace tiles {

namespace {

// The highest k of the selected element's "tile_<k>" children (0 without
// any) and the number of its children.
uint32 highestTileElement(XML* xml, uint64* children) {
    uint32 highest = 0;
    *children = 0;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 k = 0;
        if (ElementXML::numberOf(name, "tile_", std::numeric_limits<uint32>::max(), &k)) {
            highest = std::max(highest, k);
        }
        ++*children;
    });
    return highest;
}

} // namespace

bool TileSet2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, "tileSet_", id)) {
        return false;
    }
    ElementXML::writeFloat(xml, "sizeW", sizeOfTiles.width);
    ElementXML::writeFloat(xml, "sizeH", sizeOfTiles.height);
    ElementXML::writeFloat(xml, "posX", position.x);
    ElementXML::writeFloat(xml, "posY", position.y);
    ElementXML::writeInteger(xml, "tileSize", tiles.size());
    for (unsigned int at = 0; at < tiles.size(); at++) {
        if (Tile2D* tile = tiles.get(at)) {
            tile->writeToXML(xml, at + 1);
        }
    }
    for (unsigned int at = 0; at < tiles.size(); at++) {
        Tile2D* tile = tiles.get(at);
        if (tile && animatedTiles.haveElement(tile)) {
            ElementXML::add(xml, "anim_", at + 1);
        }
    }
    ElementXML::close(xml);
    return true;
}

bool TileSet2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "tileSet_", id)) {
        return false;
    }
    // The positions asked for, bounded by the tile elements the document
    // really holds. Every tile is looked up among the children by name, so
    // their number is bounded too: a set writes two for each tile at most.
    int64 asked = ElementXML::readInteger(xml, "tileSize");
    uint64 children = 0;
    uint64 highest = highestTileElement(xml, &children);
    uint64 count = asked <= 0 ? 0 : std::min<uint64>(static_cast<uint64>(asked), highest);
    if (count > maxTilesInDocument || children > 2 * uint64(maxTilesInDocument)) {
        ElementXML::close(xml);
        return false;
    }
    deleteTiles();
    setSizeOfTiles(ElementXML::readFloat(xml, "sizeW"), ElementXML::readFloat(xml, "sizeH"));
    vec2f32 place(ElementXML::readFloat(xml, "posX"), ElementXML::readFloat(xml, "posY"));
    if (std::isfinite(place.x) && std::isfinite(place.y)) {
        position = place;
    }

    bool stored = true;
    for (unsigned int k = 1; k <= count; k++) {
        Tile2D* tile = new Tile2D();
        if (storeTile(tile) == 0) {
            stored = false;
            break;
        }
        if (!tile->readFromXML(xml, k)) {
            tilesToDelete.add(k);
        } else if (ElementXML::select(xml, "anim_", k)) {
            ElementXML::close(xml);
            animatedTiles.add(tile);
        }
    }
    // Added in ascending order, the root is always the lowest ID left.
    while (tilesToDelete.haveRoot()) {
        unsigned int k = tilesToDelete.getRootValue();
        tilesToDelete.remove(k);
        deleteTile(k);
    }
    ElementXML::close(xml);
    return stored;
}

} // namespace tiles
} // namespace zelk
