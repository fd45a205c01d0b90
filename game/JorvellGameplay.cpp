#include "JorvellGameplay.h"

#include "JorvellData.h"
#include "JorvellKeys.h"
#include "JorvellLevel.h"

#include "zelk/FileReport.h"
#include "zelk/TypeColor.h"
#include "zelk/XML.h"

#include <cstdio>

namespace {

const unsigned int leftHalf = 0;
const unsigned int rightHalf = 1;
const unsigned int foot = 2;

// The document has a scene element with levels, which replace the built ones
// when it is read. The cursor is left clear.
bool replacesLevels(zelk::XML& document) {
    document.cleanSelected();
    bool levels = document.selectChild("Cenario_0") && document.selectChild("levels");
    document.cleanSelected();
    return levels;
}

} // namespace

JorvellGameplay::JorvellGameplay()
    : endObject(nullptr), ended(false), showBoxes(false), jointBase(nullptr), jointArm(nullptr),
      platform(nullptr), tileMap(nullptr) {}

JorvellGameplay::~JorvellGameplay() {
    // The scene reports the touches its objects end as it goes, after this
    // body has run: this screen no longer listens by then.
    cenario.world.removeContactCallback(this);
}

void JorvellGameplay::load() {
    if (showBoxes) {
        player.playWithBox();
    }
    showBoxes = false;
    ended = false;
    backgroundColor = zelk::color3ui8(92, 148, 252);
    camera.setSize(21.f, 15.75f);
    player.load();
    createCenario();
    zelk::XML document;
    bool read = document.loadFile(jorvell::levelDocument);
    bool replaced = replacesLevels(document);
    // Well formed, but not the scene the game reads.
    if (read && !replaced) {
        zelk::FileReport::report(jorvell::levelDocument, zelk::FileReport::notDocument);
    }
    cenario.readFromXML(&document, 0);
    if (replaced) {
        forgetBuiltParts();
    }
    endObject = cenario.getPhysycObject(jorvell::endLevel, 0u);
    player.loadToCenario(&cenario, jorvell::playerPartsLevel, jorvell::playerPhysicsLevel);
    cenario.world.addContactCallback(this);
    fps.setFPS(60);
    fps.start();
    music.open(jorvell::music);
    music.loopOn();
    music.play();
    // The first step covers the first frame, not the time spent before it.
    cenario.worldClockStart();
}

void JorvellGameplay::unload() {
    cenario.world.removeContactCallback(this);
    player.unloadFromCenario(jorvell::playerPartsLevel);
    player.cleanCenarioPointer();
    player.unload();
    cenario.deleteAllLevels();
    // The next load numbers its tiles from 1 again.
    cenario.tileSet.deleteTiles();
    music.close();
    endObject = nullptr;
    forgetBuiltParts();
}

void JorvellGameplay::forgetBuiltParts() {
    jointBase = nullptr;
    jointArm = nullptr;
    platform = nullptr;
    tileMap = nullptr;
}

void JorvellGameplay::createCenario() {
    jorvell::LevelParts parts = jorvell::buildLevel(cenario);
    jointBase = parts.jointBase;
    jointArm = parts.jointArm;
    platform = parts.platform;
    tileMap = parts.tileMap;
}

void JorvellGameplay::update(zelk::WindowEvents* events) {
    cenario.updateAnimations();
    cenario.updatePhysics(10, 10);
    finishFrame(events, player.update(events));
}

void JorvellGameplay::stepUpdate(zelk::WindowEvents* events, float seconds) {
    cenario.stepAnimations(seconds);
    cenario.world.nextStep(seconds, 10, 10);
    finishFrame(events, player.stepUpdate(events, seconds));
}

void JorvellGameplay::finishFrame(zelk::WindowEvents* events, bool playerMoved) {
    if (playerMoved) {
        cenario.world.updateObjectVelocity(player.getObjectPointer());
    }
    if (events && jorvell::haveCode(events->keyRelease, jorvell::keyEscape)) {
        ended = true;
    }
    followPlayer(player.getPlayerPosition());
}

void JorvellGameplay::followPlayer(zelk::vec2f32 position) {
    const float step = 0.025f;
    const float margin = 4.f;
    zelk::rectf32 view = camera.getRect();
    zelk::vec2f32 centre(view.origin.x + view.size.width / 2.f,
                         view.origin.y + view.size.height / 2.f);
    float left = view.origin.x + margin;
    float bottom = view.origin.y + margin;
    float right = left + (view.size.width - 2.f * margin);
    float top = bottom + (view.size.height - 2.f * margin);
    if (position.x < left || position.x > right || position.y < bottom || position.y > top) {
        centre += (position - centre) * step;
    }
    centre += (position - centre) * step;
    camera.position = centre;
}

void JorvellGameplay::drawScene(zelk::rectf32) {
    cenario.tileSet.updateAnimations();
    cenario.draw();
    player.draw();
    fps.waitForFPS();
}

bool JorvellGameplay::playerPolygon(zelk::physics2D::Contact2D* contact, unsigned int* polygon) {
    zelk::physics2D::PhysicObject2D* self = player.getObjectPointer();
    if (!contact) {
        return false;
    }
    if (contact->objectA == self) {
        *polygon = contact->polygonA;
    } else if (contact->objectB == self) {
        *polygon = contact->polygonB;
    } else {
        return false;
    }
    return true;
}

void JorvellGameplay::contact2DBegin(zelk::physics2D::Contact2D* contact) {
    routeContact(contact, false);
}

void JorvellGameplay::contact2DKeepBegin(zelk::physics2D::Contact2D* contact) {
    routeContact(contact, true);
}

void JorvellGameplay::routeContact(zelk::physics2D::Contact2D* contact, bool keeping) {
    unsigned int polygon = 0;
    if (!playerPolygon(contact, &polygon)) {
        return;
    }
    if (polygon == leftHalf) {
        player.isCollidingLeft();
    } else if (polygon == rightHalf) {
        player.isCollidingRight();
    } else if (polygon == foot && keeping) {
        player.canJump();
    } else if (polygon == foot) {
        player.cleanJump();
    }
}

void JorvellGameplay::sensor2DBegin(zelk::physics2D::Contact2D* contact) {
    if (!contact || !endObject) {
        return;
    }
    zelk::physics2D::PhysicObject2D* self = player.getObjectPointer();
    bool footOnEnd =
        (contact->objectA == self && contact->objectB == endObject && contact->polygonA == foot) ||
        (contact->objectB == self && contact->objectA == endObject && contact->polygonB == foot);
    if (footOnEnd) {
        printf(" END");
        fflush(stdout);
        ended = true;
    }
}
