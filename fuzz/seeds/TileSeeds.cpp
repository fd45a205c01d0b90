// Seeds of the tile set and tile map readers.
#include "Seeds.h"

#include "zelk/tiles/TileMap2D.h"
#include "zelk/tiles/TileSet2D.h"

namespace zelk {
namespace fuzz {

bool writeTileSeeds(const std::string& root) {
    using namespace tiles;
    SeedFolder sets(root, "tile_set");
    bool written = sets.writeDocument("set.xml", [](XML* xml) {
        TileSet2D set;
        set.setSizeOfTiles(2.f, 2.f);
        color4f32 white(1.f, 1.f, 1.f, 1.f);
        unsigned int physical = set.newTile(white);
        unsigned int gone = set.newTile(white);
        unsigned int animated = set.newTile(color4f32(1.f, 0.f, 0.f, 1.f));
        set.newTile(color4f32(0.f, 0.f, 1.f, 0.5f));
        set.deleteTile(gone);
        set.setTilePhysics(physical, physics::staticBody);
        shape::Polygon2D corners(3);
        corners.setVertexPosition(1, 1.f, 0.f);
        corners.setVertexPosition(2, 0.f, 1.f);
        set.addTilePhysicsPolygon(physical, corners);
        set.setTileFramesUV(animated, 4, 1);
        set.addFrameInterpolation(animated, 0.f, 1.f);
        set.addFrameInterpolation(animated, 1.f, 4.f);
        set.writeToXML(xml, 0);
    });

    SeedFolder maps(root, "tile_map");
    written &= maps.writeDocument("map.xml", [](XML* xml) {
        TileMap2D map;
        map.newTileMap(4, 3);
        map.setScaleMap(2.f, 3.f);
        map.setPosition(4.f, 6.f);
        map.setTile(7, 0, 0);
        map.setTile(12, 2, 1);
        map.setTile(1, 3, 2);
        map.writeToXML(xml, 0);
    });
    return written;
}

} // namespace fuzz
} // namespace zelk
