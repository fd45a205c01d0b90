#ifndef JORVELL_GAMEPLAY_H
#define JORVELL_GAMEPLAY_H

#include "JorvellPlayer.h"

#include "zelk/Audio.h"
#include "zelk/Cenario2D.h"
#include "zelk/ViewGU2D.h"
#include "zelk/physics2D/Contact2D.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/tiles/TileMap2D.h"
#include "zelk/watch/FPS.h"

// The level screen: the level built in code and then read from
// "./player/cenarioWin64.xml" into one scene, the player in it, looping music
// and a camera that follows the player. It holds the frame rate at 60 a
// second. The level ends when the player's foot touches the end sensor
// (position 0 of level 1) or Escape is released; the control view then
// unloads it.
//
// The scene owns everything in the level; the pointers below point into it
// and are cleared whenever what they point at goes.
class JorvellGameplay : public zelk::ViewGU2D, public zelk::physics2D::ContactCallback2D {
public:
    JorvellGameplay();
    ~JorvellGameplay() override;

    void load() override;
    void unload() override;
    // Animations and a physics step by the real time since the last frame,
    // then the player, the end by Escape and the camera.
    void update(zelk::WindowEvents* events) override;
    void drawScene(zelk::rectf32 outside) override;

    // The player's polygons that touch something: 0 left half, 1 right half,
    // 2 foot (a touch ends a jump; staying on something lets it jump).
    void contact2DBegin(zelk::physics2D::Contact2D* contact) override;
    void contact2DKeepBegin(zelk::physics2D::Contact2D* contact) override;
    // The player's foot on the end sensor ends the level (" END").
    void sensor2DBegin(zelk::physics2D::Contact2D* contact) override;

    // Builds the level's content into the scene (see jorvell::buildLevel).
    void createCenario();
    bool haveEnded() { return ended; }
    // The next load() shows the player's physics polygons.
    void playWithBox() { showBoxes = true; }

    // update() with the scene's animations, the world and the player's clocks
    // moved by the given seconds instead of the real time.
    void stepUpdate(zelk::WindowEvents* events, float seconds);
    // The camera's step after a player at that position: 2.5 % of the way
    // each frame, and that twice while the player is within 4 units of the
    // view's edge or outside it.
    void followPlayer(zelk::vec2f32 position);

    JorvellPlayer player;
    zelk::Cenario2D cenario;
    zelk::watch::FPS fps;
    // The end sensor, found after loading; null without one.
    zelk::physics2D::PhysicObject2D* endObject;
    bool ended;
    zelk::Audio music;
    bool showBoxes;
    // The parts of the level as built in code; null once the document has
    // replaced them.
    zelk::physics2D::PhysicObject2D* jointBase;
    zelk::physics2D::PhysicObject2D* jointArm;
    zelk::physics2D::PhysicObject2D* platform;
    zelk::tiles::TileMap2D* tileMap;

private:
    // What a frame does after the physics step, given whether the player set
    // a new velocity.
    void finishFrame(zelk::WindowEvents* events, bool playerMoved);
    // The player's polygon in the contact, or false when the player is not
    // in it.
    bool playerPolygon(zelk::physics2D::Contact2D* contact, unsigned int* polygon);
    // Tells the player which of its polygons touch: a touch that begins, or
    // one that goes on (keeping).
    void routeContact(zelk::physics2D::Contact2D* contact, bool keeping);
    void forgetBuiltParts();
};

#endif
