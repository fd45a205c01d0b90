#ifndef ZELK_TILES_TILE2D_H
#define ZELK_TILES_TILE2D_H

#include "zelk/Object2D.h"
#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/physics/BodyType.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Polygon2D.h"

namespace zelk {

class XML;

namespace tiles {

// One textured unit square, drawn anywhere at any size: a quadrangle of
// corners (-0.5, -0.5) to (0.5, 0.5) in its own mesh, placed by an object
// that holds the mesh (and never owns it). The tile can play a frame
// animation (polygon 0 of the mesh shows the frame its key frames name) and
// can carry a physics template, a physics object whose kind and polygons a
// tile map copies into every physics tile it makes from this tile; the
// template is never put into a world.
//
// The tile owns its template and its mesh's textures. It is not copied.
//
// Its XML form is "tile_<id>" with "tSizeW" and "tSizeH", holding the
// object as "object_0" (with the mesh) and the template, when there is one,
// as "physicObject_0".
class Tile2D {
public:
    Tile2D();
    ~Tile2D();
    Tile2D(const Tile2D&) = delete;
    Tile2D& operator=(const Tile2D&) = delete;

    void setPosition(vec2f32 position);
    void setPosition(float x, float y);
    vec2f32 getPosition();
    float getPositionX();
    float getPositionY();
    void setColor(color4f32 color);
    void setColor(float r, float g, float b, float a);
    // Position := the origin, size := the size.
    void setRect(rectf32 rect);
    void setRect(vec2f32 origin, size2f32 size);
    void setRect(float x, float y, float w, float h);
    // Size := the size, position := origin minus half the size.
    void setFrame(rectf32 frame);
    void setFrame(vec2f32 origin, size2f32 size);
    void setFrame(float x, float y, float w, float h);
    // Texture coordinates from two corners: the origin and, in the size
    // fields, the opposite corner.
    void setRectUV(rectf32 rect);
    void setRectUV(vec2f32 origin, size2f32 corner);
    void setRectUV(float x, float y, float w, float h);
    size2f32 getSize();
    float getWidth();
    float getHeight();

    // The texture cut into columns x rows frames, and the frame shown.
    bool setFramesUV(vec2ui32 frames);
    bool setFramesUV(unsigned int columns, unsigned int rows);
    bool useFrameUV(vec2ui32 frame);
    bool useFrameUV(unsigned int column, unsigned int row);
    // Frame n counted from 0, row by row.
    bool useFrameUVinPosition(unsigned int n);

    // The image as texture slot 0 of the mesh's material; false for a null
    // name or an image that does not load.
    bool loadImage(char* name, unsigned int filter);
    bool loadImage(const char* name, unsigned int filter);
    bool loadImageFromMemory(char* name, unsigned char* data, unsigned int size,
                             unsigned int filter);
    bool loadImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                             unsigned int filter);

    // The frame animation, made on first use: from second on, show frame
    // position frame (counted from 0).
    bool addFrameInterpolation(float second, float frame);
    // These run the animation operation of the same name; without an
    // animation they answer false or 0.
    unsigned int getInterpolationSize();
    bool cleanFames();
    bool playForward();
    bool playForwardIn(float second);
    bool playRewind();
    bool playRewindIn(float second);
    bool pause();
    bool stop();
    bool setLoop(bool loop);
    bool loopOn();
    bool loopOff();
    float getSecond();
    bool isPlaying();
    bool addAnimationName(char* name, float start, float end);
    bool addAnimationName(const char* name, float start, float end);
    bool haveAnimationName(char* name);
    bool haveAnimationName(const char* name);
    bool playNameForward(char* name);
    bool playNameForward(const char* name);
    bool playNameRewind(char* name);
    bool playNameRewind(const char* name);
    bool removeAnimationName(char* name);
    bool removeAnimationName(const char* name);
    bool setCurveX(unsigned int line);
    bool setNotCurveX(unsigned int line);
    bool getIsCurveX(unsigned int line);
    bool setCurveP1X(unsigned int line, float second, float x);
    bool setCurveP2X(unsigned int line, float second, float x);
    // Advances the clock and shows the current frame; once a frame.
    void updateAnimation();

    // A new template of that kind (0 static, 1 kinematic, 2 dynamic) with the
    // default rectangle; another number leaves the tile without one (false).
    bool setPhysics(physics::bodyType type);
    // The first polygon added replaces the default rectangle.
    bool addPhysicsPolygon(shape::Polygon2D polygon);
    // The template's polygons become the default rectangle: centred, scale
    // 1.01, restitution 0.1, friction 0.5. False without a template.
    bool cleanPhysicsPolygons();
    void deletePhysics();
    physics2D::PhysicObject2D* getPhysicsObject() { return physicsObject; }

    // Draws the tile turned by angle (degrees) at that size; its own size
    // comes back afterwards.
    void draw(float angle, size2f32 size);
    // The template's wire frame, the same way; nothing without a template.
    void drawPhysic(float angle, size2f32 size);

    bool writeToXML(XML* xml, unsigned int id);
    // Replaces the mesh and the template by those of "tile_<id>"; false when
    // it is missing.
    bool readFromXML(XML* xml, unsigned int id);

    Object2D object;
    // The template, owned; null without physics.
    physics2D::PhysicObject2D* physicsObject;
    // The tile's own size while it is drawn at another.
    size2f32 savedSize;
    // The template still holds only the default rectangle.
    bool defaultPhysicsPolygon;
    // Polygon 0 is the tile's quadrangle; its material's slot 0 the texture.
    shape::Mesh2D mesh;

private:
    // Selects the frame animation of polygon 0, made on first use; false
    // when the mesh has no polygon 0.
    bool selectAnimation();
};

} // namespace tiles
} // namespace zelk

#endif
