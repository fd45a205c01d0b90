#ifndef JORVELL_PLAYER_H
#define JORVELL_PLAYER_H

#include "JorvellCharacter.h"

#include "zelk/Audio.h"
#include "zelk/Object2D.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/animation/Interpolation1DGroup.h"

namespace zelk {
class Cenario2D;
}

// The wooden mannequin the player moves: fifteen textured body parts hung on
// the bones of "./player/WoodManequinAnimation2.bvh", carried by the
// character's physics object. Left and Right walk (the speed grows by 0.1 a
// frame up to 5 units a second), Up jumps (an upward speed of at least 8 for
// up to 0.5 s while held), and a small state machine picks the motion clip:
// moveState 1 standing, 2 walking, 3 rising, 4 falling.
//
// The gameplay tells it in its contact callbacks which polygons touch
// something (canJump, cleanJump, isCollidingLeft, isCollidingRight); those
// flags last one frame. The player owns the meshes of its parts. It is put
// into a scene it does not own (loadToCenario) and must leave it
// (unloadFromCenario) before the scene goes.
class JorvellPlayer : public JorvellCharacter {
public:
    JorvellPlayer();
    ~JorvellPlayer();

    // Unloads first, so a second load starts clean.
    void load() override;
    void unload() override;
    // Places the skeleton on the physics object, plays the clocks by real
    // time, then reacts to the held keys (291 Left, 292 Right, 293 Up). Below
    // respawnHeight the player starts again at (0, 0), at rest.
    bool update(zelk::WindowEvents* events) override;
    // The scene draws the parts; nothing to draw here.
    void draw() override {}

    // update() with the skeleton's and the jump's clocks moved by the given
    // seconds instead of the real time since their last update.
    bool stepUpdate(zelk::WindowEvents* events, float seconds);

    // Parts into level partsLevel of the scene (back to front), the physics
    // object into physicsLevel and the world at (0, 0). A null scene only
    // clears the scene pointer and answers false.
    bool loadToCenario(zelk::Cenario2D* scene, unsigned int partsLevel, unsigned int physicsLevel);
    // The parts out of level partsLevel, the physics object out of its level
    // and the world; false when the player is in no scene.
    bool unloadFromCenario(unsigned int partsLevel);
    // The physics object at (0, 0) into its level and the world.
    void loadPlayer();
    // The physics object out of its level and the world.
    void removePlayer();
    void cleanCenarioPointer() { cenario = nullptr; }

    // The contact setters: the foot stands on something, the foot touched
    // something (a jump ends), a half touches something.
    void canJump() { grounded = true; }
    void cleanJump() { jumping = false; }
    void isCollidingLeft() { collidingLeft = true; }
    void isCollidingRight() { collidingRight = true; }

    zelk::vec2f32 getPlayerPosition() { return physicObject.position; }
    // The next load() shows the physics polygons.
    void playWithBox() { showBoxes = true; }

    zelk::Object2D cabeca;
    zelk::Object2D peito;
    zelk::Object2D cintura;
    zelk::Object2D bracoDir;
    zelk::Object2D bracoEsq;
    zelk::Object2D anteBracoDir;
    zelk::Object2D anteBracoEsq;
    zelk::Object2D maoDir;
    zelk::Object2D maoEsq;
    zelk::Object2D coxaDir;
    zelk::Object2D coxaEsq;
    zelk::Object2D pernaDir;
    zelk::Object2D pernaEsq;
    zelk::Object2D peDir;
    zelk::Object2D peEsq;

    // The skeleton's place and angle (degrees) relative to the physics object.
    zelk::vec2f32 bodyOffset;
    float bodyAngle;
    bool jumping;
    bool grounded;
    bool collidingLeft;
    bool collidingRight;
    float jumpSpeed;
    // Runs for the 0.5 s during which a held Up keeps the upward speed.
    zelk::animation::Interpolation1DGroup jumpTimer;
    zelk::uint8 moveState;
    zelk::uint8 lastMoveState;
    // The last walking key: 0 none, 5 left, 6 right.
    zelk::uint8 direction;
    float walkSpeed;
    float respawnHeight;
    bool showBoxes;
    // Not owned.
    zelk::Cenario2D* cenario;
    unsigned int physicsLevel;
    zelk::Audio jumpSound;

private:
    // The frame's work; seconds null for the real-time clocks.
    bool updateFor(zelk::WindowEvents* events, const float* seconds);
    // The clip for this frame's state and the last one.
    void chooseClip(bool upHeld, const float* seconds);
    // The clip, looping and paused at its first frame.
    void holdClip(const char* name, const float* seconds);
    // Advances the skeleton's clocks.
    void playBody(const float* seconds);
};

#endif
