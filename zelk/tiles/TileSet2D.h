#ifndef ZELK_TILES_TILESET2D_H
#define ZELK_TILES_TILESET2D_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/physics/BodyType.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/tiles/Tile2D.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Stack.h"

namespace zelk {

class XML;

namespace tiles {

// The tiles of a scene or a font, each named by its ID: its stack position
// plus 1. ID 0 means no tile. A tile keeps its ID while it lives; a new tile
// may take the ID of a deleted one. Tile maps and fonts hold only IDs and ask
// the set to draw a tile at a place.
//
// Every operation that takes an ID answers false, 0 or null and does nothing
// for an ID that no tile has. The set owns its tiles.
//
// Its XML form is "tileSet_<id>" with "sizeW", "sizeH", "posX", "posY" and
// "tileSize" (the number of stack positions), a "tile_<ID>" child for every
// tile and an empty "anim_<ID>" for every animated tile.
class TileSet2D {
public:
    // The IDs of the first and the last tile an image was cut into.
    class Tile2Positions2D {
    public:
        Tile2Positions2D() : first(0), last(0) {}

        unsigned int first;
        unsigned int last;
    };

    TileSet2D();
    virtual ~TileSet2D();
    TileSet2D(const TileSet2D&) = delete;
    TileSet2D& operator=(const TileSet2D&) = delete;

    // A tile of the set's tile size, coloured; its ID, 0 when it could not be
    // stored.
    unsigned int newTile(color4f32 color);
    // The same with an image; 0, with no tile left, for a null name or an
    // image that does not load.
    unsigned int newTile(char* imageName, unsigned int filter, color4f32 color);
    unsigned int newTile(const char* imageName, unsigned int filter, color4f32 color);
    unsigned int newTileFromMemory(char* name, unsigned char* data, unsigned int size,
                                   unsigned int filter, color4f32 color);
    unsigned int newTileFromMemory(const char* name, unsigned char* data, unsigned int size,
                                   unsigned int filter, color4f32 color);
    bool deleteTile(unsigned int id);
    void deleteTiles();
    // False when a side is 0; otherwise every tile takes the size too.
    bool setSizeOfTiles(size2f32 size);
    bool setSizeOfTiles(float width, float height);
    size2f32 getSizeOfTiles() { return sizeOfTiles; }
    // Stack positions, live and freed: the highest ID in use or freed.
    unsigned int getTileSize() { return tiles.size(); }

    // Cuts an image into columns x rows tiles, row by row from the top, each
    // showing its own cell of the image.
    Tile2Positions2D loadImageTiles(char* name, vec2ui32 frames, unsigned int filter,
                                    color4f32 color);
    Tile2Positions2D loadImageTiles(const char* name, vec2ui32 frames, unsigned int filter,
                                    color4f32 color);
    Tile2Positions2D loadImageTiles(char* name, unsigned int columns, unsigned int rows,
                                    unsigned int filter, color4f32 color);
    Tile2Positions2D loadImageTiles(const char* name, unsigned int columns, unsigned int rows,
                                    unsigned int filter, color4f32 color);
    Tile2Positions2D loadImageTilesFromMemory(char* name, unsigned char* data, unsigned int size,
                                              vec2ui32 frames, unsigned int filter,
                                              color4f32 color);
    Tile2Positions2D loadImageTilesFromMemory(const char* name, unsigned char* data,
                                              unsigned int size, vec2ui32 frames,
                                              unsigned int filter, color4f32 color);
    Tile2Positions2D loadImageTilesFromMemory(char* name, unsigned char* data, unsigned int size,
                                              unsigned int columns, unsigned int rows,
                                              unsigned int filter, color4f32 color);
    Tile2Positions2D loadImageTilesFromMemory(const char* name, unsigned char* data,
                                              unsigned int size, unsigned int columns,
                                              unsigned int rows, unsigned int filter,
                                              color4f32 color);

    bool setTileFramesUV(unsigned int id, vec2ui32 frames);
    bool setTileFramesUV(unsigned int id, unsigned int columns, unsigned int rows);
    bool setTileFrameUV(unsigned int id, vec2ui32 frame);
    bool setTileFrameUV(unsigned int id, unsigned int column, unsigned int row);
    // Here frames count from 1; n 0 is refused.
    bool setTileFrameUVinPosition(unsigned int id, unsigned int n);

    // Frames count from 1: from second on, show frame; a frame below 1 is
    // refused. The tile joins the animated tiles.
    bool addFrameInterpolation(unsigned int id, float second, float frame);
    unsigned int getInterpolationSize(unsigned int id);
    // The tile leaves the animated tiles.
    bool cleanFrames(unsigned int id);
    bool playForward(unsigned int id);
    bool playForwardIn(unsigned int id, float second);
    bool playRewind(unsigned int id);
    bool playRewindIn(unsigned int id, float second);
    bool pause(unsigned int id);
    bool stop(unsigned int id);
    bool setLoop(unsigned int id, bool loop);
    bool loopOn(unsigned int id);
    bool loopOff(unsigned int id);
    float getSecond(unsigned int id);
    bool isPlaying(unsigned int id);
    bool addAnimationName(unsigned int id, char* name, float start, float end);
    bool addAnimationName(unsigned int id, const char* name, float start, float end);
    bool haveAnimationName(unsigned int id, char* name);
    bool haveAnimationName(unsigned int id, const char* name);
    bool playNameForward(unsigned int id, char* name);
    bool playNameForward(unsigned int id, const char* name);
    bool playNameRewind(unsigned int id, char* name);
    bool playNameRewind(unsigned int id, const char* name);
    bool removeAnimationName(unsigned int id, char* name);
    bool removeAnimationName(unsigned int id, const char* name);
    bool setCurveX(unsigned int id, unsigned int line);
    bool setNotCurveX(unsigned int id, unsigned int line);
    bool getIsCurveX(unsigned int id, unsigned int line);
    bool setCurveP1X(unsigned int id, unsigned int line, float second, float x);
    bool setCurveP2X(unsigned int id, unsigned int line, float second, float x);
    bool updateAnimations(unsigned int id);
    // Advances every animated tile; false when there is none. Once a frame.
    bool updateAnimations();

    // The tile's physics template (see Tile2D).
    bool setTilePhysics(unsigned int id, physics::bodyType type);
    bool addTilePhysicsPolygon(unsigned int id, shape::Polygon2D polygon);
    bool cleanTilePhysicsPolygons(unsigned int id);
    bool deleteTilePhysics(unsigned int id);
    physics2D::PhysicObject2D* getTilePhysicsObject(unsigned int id);

    // The tile at position x tile size (in units of the tile's own size),
    // turned by angle degrees, at that size and colour.
    bool drawTile(unsigned int id, vec2f32 position, float angle, size2f32 size, color4f32 color);
    bool drawTile(unsigned int id, float x, float y, float angle, size2f32 size, color4f32 color);
    // The tile at that world position.
    bool drawTileInWorld(unsigned int id, vec2f32 position, float angle, size2f32 size,
                         color4f32 color);
    bool drawTileInWorld(unsigned int id, float x, float y, float angle, size2f32 size,
                         color4f32 color);
    // The wire frame of the tile's physics template, placed as the two above.
    bool drawTilePhysics(unsigned int id, vec2f32 position, float angle, size2f32 size,
                         color4f32 color);
    bool drawTilePhysics(unsigned int id, float x, float y, float angle, size2f32 size,
                         color4f32 color);
    bool drawTilePhysicsInWorld(unsigned int id, vec2f32 position, float angle, size2f32 size,
                                color4f32 color);
    bool drawTilePhysicsInWorld(unsigned int id, float x, float y, float angle, size2f32 size,
                                color4f32 color);
    // Prints "\nPosition %.2f %.2f size %.2f %.2f".
    bool printTile(unsigned int id);

    bool writeToXML(XML* xml, unsigned int id);
    // Replaces every tile by those of "tileSet_<id>", each under the ID it was
    // saved with; "tileSize" counts only up to the highest "tile_<k>" the
    // element holds. False, with nothing changed, when the element is missing,
    // when that count is above maxTilesInDocument or when the element has
    // more than twice as many children. A tile size with a side that
    // is 0 or not finite, or a position that is not finite, is not taken.
    bool readFromXML(XML* xml, unsigned int id);

    // The most stack positions a document may ask for.
    static constexpr unsigned int maxTilesInDocument = 2048;

protected:
    // The tile of an ID, or null.
    Tile2D* getTile(unsigned int id);
    // Stores the tile and answers its ID; deletes it and answers 0 when it
    // could not be stored.
    unsigned int storeTile(Tile2D* tile);
    // Runs act on the tile of an ID and answers its result; fail without one.
    template <typename Result, typename Act>
    Result withTile(unsigned int id, Result fail, Act act) {
        Tile2D* tile = getTile(id);
        return tile ? act(tile) : fail;
    }
    // A new tile of that colour with the image loaded by load, or 0.
    template <typename Load> unsigned int newTileWith(color4f32 color, Load load);
    // Cuts the image that newImageTile loads into every new tile.
    template <typename NewImageTile>
    Tile2Positions2D cutImage(unsigned int columns, unsigned int rows, NewImageTile newImageTile);
    // Places and colours the tile, then draws it with draw.
    template <typename Draw>
    bool placeAndDraw(unsigned int id, vec2f32 position, bool inTileUnits, color4f32 color,
                      Draw draw);

    vector::Stack<Tile2D*> tiles;
    vector::BinaryTree<Tile2D*> animatedTiles;
    size2f32 sizeOfTiles;
    vec2f32 position;
    // Used only while a document is read.
    vector::BinaryTree<unsigned int> tilesToDelete;
};

} // namespace tiles
} // namespace zelk

#endif
