#include "JorvellPlayer.h"

#include "JorvellData.h"
#include "JorvellFilters.h"
#include "JorvellKeys.h"

#include "zelk/Cenario2D.h"
#include "zelk/shape/Rectangle2D.h"

#include <algorithm>
#include <string>

namespace {

// A body part: the bone it hangs on (also the stem of its image), its place
// relative to the bone and its size.
struct PartLayout {
    const char* name;
    zelk::Object2D JorvellPlayer::*part;
    zelk::vec2f32 position;
    zelk::size2f32 size;
};

const PartLayout parts[] = {
    {"cabeca", &JorvellPlayer::cabeca, {-0.6f, 0.f}, {0.7f, 1.f}},
    {"peito", &JorvellPlayer::peito, {-0.625f, 0.07f}, {0.7f, 1.f}},
    {"cintura", &JorvellPlayer::cintura, {-0.45f, 0.f}, {0.7f, 0.9f}},
    {"bracoDir", &JorvellPlayer::bracoDir, {0.375f, -0.01f}, {0.3f, 0.825f}},
    {"bracoEsq", &JorvellPlayer::bracoEsq, {0.375f, -0.01f}, {0.3f, 0.825f}},
    {"anteBracoDir", &JorvellPlayer::anteBracoDir, {0.415f, 0.f}, {0.2f, 1.f}},
    {"anteBracoEsq", &JorvellPlayer::anteBracoEsq, {0.415f, 0.f}, {0.2f, 1.f}},
    {"maoDir", &JorvellPlayer::maoDir, {0.3f, 0.f}, {0.2f, 0.4f}},
    {"maoEsq", &JorvellPlayer::maoEsq, {0.3f, 0.f}, {0.2f, 0.4f}},
    {"coxaDir", &JorvellPlayer::coxaDir, {0.45f, 0.f}, {0.35f, 1.15f}},
    {"coxaEsq", &JorvellPlayer::coxaEsq, {0.45f, 0.f}, {0.35f, 1.15f}},
    {"pernaDir", &JorvellPlayer::pernaDir, {0.575f, 0.f}, {0.3f, 1.1f}},
    {"pernaEsq", &JorvellPlayer::pernaEsq, {0.575f, 0.f}, {0.3f, 1.1f}},
    {"peDir", &JorvellPlayer::peDir, {0.115f, 0.3f}, {0.75f, 0.175f}},
    {"peEsq", &JorvellPlayer::peEsq, {0.115f, 0.3f}, {0.75f, 0.175f}},
};

// The motion's clips, in seconds of the file's timeline.
struct ClipRange {
    const char* name;
    float start;
    float end;
};

const ClipRange clips[] = {
    {"stopPlayer", 0.f, 0.0001f}, {"startWalk", 0.f, 0.4f},    {"walking", 0.4f, 1.12f},
    {"endWalk", 1.12f, 1.52f},    {"startJump", 1.52f, 1.64f}, {"loopJumping", 1.6399f, 1.6401f},
    {"endJump", 1.64f, 1.76f},
};

const zelk::uint8 standing = 1;
const zelk::uint8 walking = 2;
const zelk::uint8 rising = 3;
const zelk::uint8 falling = 4;

const zelk::uint8 towardsLeft = 5;
const zelk::uint8 towardsRight = 6;

const float maxWalkSpeed = 5.f;
const float walkSpeedStep = 0.1f;

// The parts from back to front: the far (left) limbs, the trunk and head,
// then the near (right) limbs.
zelk::Object2D JorvellPlayer::*const backToFront[] = {
    &JorvellPlayer::anteBracoEsq, &JorvellPlayer::bracoEsq, &JorvellPlayer::maoEsq,
    &JorvellPlayer::coxaEsq,      &JorvellPlayer::peEsq,    &JorvellPlayer::pernaEsq,
    &JorvellPlayer::cintura,      &JorvellPlayer::peito,    &JorvellPlayer::cabeca,
    &JorvellPlayer::pernaDir,     &JorvellPlayer::peDir,    &JorvellPlayer::coxaDir,
    &JorvellPlayer::anteBracoDir, &JorvellPlayer::bracoDir, &JorvellPlayer::maoDir,
};

} // namespace

JorvellPlayer::JorvellPlayer()
    : bodyOffset(0.f, 0.f), bodyAngle(0.f), jumping(false), grounded(false), collidingLeft(false),
      collidingRight(false), jumpSpeed(0.f), moveState(standing), lastMoveState(standing),
      direction(0), walkSpeed(0.f), respawnHeight(-10.f), showBoxes(false), cenario(nullptr),
      physicsLevel(0) {}

JorvellPlayer::~JorvellPlayer() {}

void JorvellPlayer::load() {
    unload();
    body.loadBVHXZ(jorvell::motionFile);
    for (const ClipRange& clip : clips) {
        body.addNewAnimationName(clip.name, clip.start, clip.end);
    }
    for (const PartLayout& layout : parts) {
        zelk::Object2D& part = this->*layout.part;
        zelk::shape::Mesh2D* mesh = part.newMesh(nullptr);
        if (mesh) {
            zelk::shape::Rectangle2D rectangle;
            rectangle.setPivoToCenter();
            mesh->addPolygon(rectangle);
            std::string image = std::string("./player/") + layout.name + ".png";
            mesh->material.loadTexture(image.c_str(), 0, jorvell::nearestFilter);
        }
        part.angle = 90.f;
        part.position = layout.position;
        part.size = layout.size;
        body.addConnectionObject(layout.name, &part);
    }
    physicObject.size = zelk::size2f32(2.5f, 5.f);
    body.loopOn();
    body.playForward();
    body.playNameForward("stopPlayer");
    bodyOffset = zelk::vec2f32(-0.25f, -0.2f);
    bodyAngle = -90.f;
    physicObject.angle = 0.f;
    body.scaleAnimations(1.25f);
    jumping = true;
    jumpTimer.addFirstInterpolationLine(0.f, 0.f, 0.5f, 10.f);
    moveState = standing;
    lastMoveState = standing;
    body.size = zelk::size2f32(1.f, 1.f);
    jumpSound.open(jorvell::jumpSound);
    if (showBoxes) {
        physicObject.addMesh(&debugMesh);
    }
    showBoxes = false;
}

void JorvellPlayer::unload() {
    direction = 0;
    body.deleteAllBones();
    jumpTimer.cleanAnimations();
    for (const PartLayout& layout : parts) {
        (this->*layout.part).cleanMeshes();
    }
    jumpSound.close();
    physicObject.removeAllMesh();
}

bool JorvellPlayer::loadToCenario(zelk::Cenario2D* scene, unsigned int partsLevel,
                                  unsigned int physicsLevel) {
    if (!scene) {
        cleanCenarioPointer();
        return false;
    }
    cenario = scene;
    for (zelk::Object2D JorvellPlayer::*part : backToFront) {
        cenario->addObject(partsLevel, &(this->*part));
    }
    this->physicsLevel = physicsLevel;
    loadPlayer();
    return true;
}

bool JorvellPlayer::unloadFromCenario(unsigned int partsLevel) {
    if (!cenario) {
        return false;
    }
    for (zelk::Object2D JorvellPlayer::*part : backToFront) {
        cenario->deleteObject(partsLevel, &(this->*part));
    }
    removePlayer();
    cenario = nullptr;
    return true;
}

void JorvellPlayer::loadPlayer() {
    if (!cenario) {
        return;
    }
    physicObject.position = zelk::vec2f32(0.f, 0.f);
    cenario->addPhysycObject(physicsLevel, &physicObject);
    cenario->loadPhysicObjectToWorld(physicsLevel, &physicObject);
}

void JorvellPlayer::removePlayer() {
    if (cenario) {
        cenario->deletePhysycObject(physicsLevel, &physicObject);
    }
}

bool JorvellPlayer::update(zelk::WindowEvents* events) {
    return updateFor(events, nullptr);
}

bool JorvellPlayer::stepUpdate(zelk::WindowEvents* events, float seconds) {
    return updateFor(events, &seconds);
}

void JorvellPlayer::playBody(const float* seconds) {
    if (seconds) {
        body.stepAnimations(*seconds);
    } else {
        body.updateAnimations();
    }
}

bool JorvellPlayer::updateFor(zelk::WindowEvents* events, const float* seconds) {
    body.position = physicObject.position + bodyOffset;
    body.angle = bodyAngle + physicObject.angle;
    playBody(seconds);
    body.updateObjects();
    if (seconds) {
        jumpTimer.stepClockAnimation(*seconds);
    } else {
        jumpTimer.updateClockAnimation();
    }

    bool changed = false;
    zelk::vec2f32 velocity = physicObject.getLinearVelocity();
    // Pressed between two sides counts as standing.
    if (!grounded && collidingLeft && collidingRight) {
        grounded = true;
    }
    if (grounded) {
        jumping = false;
    }
    bool moved = false;
    bool upHeld = false;
    unsigned int held = events ? events->keyHolded.size() : 0;
    for (unsigned int i = 0; i < held; i++) {
        unsigned int key = events->keyHolded.get(i);
        if (key == jorvell::keyLeft || key == jorvell::keyRight) {
            bool left = key == jorvell::keyLeft;
            zelk::uint8 towards = left ? towardsLeft : towardsRight;
            body.size.height = left ? -1.f : 1.f;
            bodyOffset = zelk::vec2f32(left ? 0.25f : -0.25f, -0.2f);
            if (direction != towards) {
                walkSpeed = 0.f;
            }
            walkSpeed = std::min(walkSpeed, maxWalkSpeed);
            if (!(left ? collidingLeft : collidingRight) || grounded) {
                direction = towards;
                // Both keys held stop the walk.
                if (moved) {
                    velocity.x = 0.f;
                } else {
                    velocity.x =
                        left ? std::min(velocity.x, -walkSpeed) : std::max(velocity.x, walkSpeed);
                }
                moved = true;
                changed = true;
            }
            if (!jumping) {
                moveState = walking;
            }
            walkSpeed += walkSpeedStep;
        } else if (key == jorvell::keyUp) {
            if (grounded && !jumping) {
                jumping = true;
                jumpTimer.playForward();
                moveState = rising;
                jumpSpeed = 8.f;
            }
            if (jumpTimer.isPlaying()) {
                velocity.y = std::max(velocity.y, jumpSpeed);
            }
            changed = true;
            upHeld = true;
        }
    }
    if (!grounded) {
        moveState = velocity.y >= 0.f ? rising : falling;
    }
    if (changed) {
        physicObject.setLinearVelocity(velocity);
    } else if (grounded) {
        moveState = standing;
        direction = 0;
    }
    if (!upHeld) {
        jumpTimer.stop();
    }
    grounded = false;
    collidingLeft = false;
    collidingRight = false;

    chooseClip(upHeld, seconds);
    lastMoveState = moveState;

    if (respawnHeight > physicObject.position.y) {
        removePlayer();
        loadPlayer();
        // The new body starts at rest, not with the fall it replaces.
        physicObject.setLinearVelocity(zelk::vec2f32(0.f, 0.f));
    }
    return changed;
}

void JorvellPlayer::holdClip(const char* name, const float* seconds) {
    body.loopOn();
    body.playNameForward(name);
    if (seconds) {
        body.stepAnimations(0.f);
    } else {
        body.updateAnimations();
    }
    body.pause();
}

void JorvellPlayer::chooseClip(bool upHeld, const float* seconds) {
    bool fromAir = lastMoveState == rising || lastMoveState == falling;
    switch (moveState) {
    case standing:
        if (lastMoveState == walking) {
            body.loopOff();
            body.playNameForward("endWalk");
        } else if (!body.isPlaying()) {
            body.stop();
            holdClip("stopPlayer", seconds);
        }
        break;
    case walking:
        if (lastMoveState != walking) {
            body.loopOff();
            body.playNameForward("startWalk");
            if (fromAir) {
                body.loopOn();
                body.playNameForward("walking");
            }
        } else if (!body.isPlaying()) {
            body.loopOn();
            body.playNameForward("walking");
        }
        break;
    case rising:
    case falling:
        if (moveState == rising ? lastMoveState != rising : !fromAir) {
            body.loopOff();
            body.playNameForward("startJump");
            if (moveState == rising && upHeld) {
                jumpSound.play();
            }
        } else if (!body.isPlaying()) {
            holdClip("loopJumping", seconds);
        }
        break;
    default:
        break;
    }
}
