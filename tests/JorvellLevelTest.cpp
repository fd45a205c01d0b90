#include "JorvellLevel.h"
#include "JorvellGameplay.h"

#include "zelk/Cenario2D.h"
#include "zelk/XML.h"
#include "zelk/physics2D/PhysicObject2D.h"

#include "support/GameFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <queue>
#include <string>
#include <vector>

// The level documents the build writes: what they must hold for the game, a
// route through the shipped level that keeps within what a jump can do, and
// a player that walks and jumps it from the start to the end sensor.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

const std::string shipped = std::string(JORVELL_DATA_DIR) + "/player/cenarioWin64.xml";
const std::string testLevel = std::string(JORVELL_DATA_DIR) + "/player/cenarioTest.xml";

// A jump holds an upward speed of 8 for half a second, then flies under
// gravity: about 7 up and 12 across at full speed. The route keeps well
// inside that.
const float mostRise = 4.5f;
const float mostGap = 6.f;
// The player from its foot to the top of its head, and its width.
const float playerHeight = 5.05f;
const float playerWidth = 2.5f;

// An axis-aligned solid box of the level, in world units.
struct Box {
    float left, right, bottom, top;
};

// The top of a box a player may stand on.
struct Surface {
    float left, right, top;
    std::string name;
};

bool readLevel(zelk::Cenario2D& scene, const std::string& path) {
    zelk::XML document;
    return document.loadFile(path.c_str()) && scene.readFromXML(&document, 0);
}

// The box of a physics object made of one centred rectangle, upright or
// turned a quarter; false for any other.
bool boxOf(zelk::physics2D::PhysicObject2D* object, Box* box) {
    if (object->physicsMesh.getPolygonSize() != 1 ||
        object->physicsMesh.polygons.get(0)->getVertexCount() != 2) {
        return false;
    }
    float width = object->size.width, height = object->size.height;
    float angle = std::fmod(std::fabs(object->angle), 180.f);
    if (std::fabs(angle - 90.f) < 0.01f) {
        std::swap(width, height);
    } else if (angle > 0.01f) {
        return false;
    }
    *box = {object->position.x - width / 2, object->position.x + width / 2,
            object->position.y - height / 2, object->position.y + height / 2};
    return true;
}

// The solid boxes of the static physics objects and of the physics tiles
// (each row of touching tiles as one box).
std::vector<Box> solidBoxes(zelk::Cenario2D& scene) {
    std::vector<Box> boxes;
    for (unsigned int level = 1; level <= scene.levels.size(); level++) {
        for (unsigned int i = 0;
             zelk::physics2D::PhysicObject2D* object = scene.getPhysycObject(level, i); i++) {
            Box box;
            if (object->getType() == zelk::physics::staticBody && !object->isSensor() &&
                boxOf(object, &box)) {
                boxes.push_back(box);
            }
        }
        zelk::tiles::TileMap2D* map = scene.getTileMap(level);
        if (!map) {
            continue;
        }
        zelk::size2ui32 size = map->getMapSize();
        for (unsigned int y = 0; y < size.height; y++) {
            bool open = false;
            Box row{};
            for (unsigned int x = 0; x <= size.width; x++) {
                zelk::physics2D::PhysicObject2D* tile =
                    x < size.width ? map->getPhysicTile(x, y) : nullptr;
                Box cell;
                bool solid = tile && boxOf(tile, &cell);
                if (solid && open) {
                    row.right = cell.right;
                } else if (solid) {
                    row = cell;
                    open = true;
                } else if (open) {
                    boxes.push_back(row);
                    open = false;
                }
            }
        }
    }
    return boxes;
}

bool overlaps(float left1, float right1, float left2, float right2) {
    return left1 < right2 && left2 < right1;
}

// Some stretch of the surface, a player wide, has a player's height of room
// above it.
bool roomToStand(const Surface& surface, const std::vector<Box>& boxes) {
    for (float x = surface.left; x + playerWidth <= surface.right + 1e-3f; x += 0.25f) {
        bool free = std::none_of(boxes.begin(), boxes.end(), [&](const Box& box) {
            return overlaps(x, x + playerWidth, box.left, box.right) &&
                   overlaps(surface.top + 0.01f, surface.top + playerHeight, box.bottom, box.top);
        });
        if (free) {
            return true;
        }
    }
    return false;
}

// The horizontal distance between two surfaces; 0 when they overlap.
float gapBetween(const Surface& a, const Surface& b) {
    return std::max(0.f, std::max(b.left - a.right, a.left - b.right));
}

// Where the moving platform passes: its place every quarter second along
// one run of its looping path (it chases the path with about a second's lag,
// and carries whoever stands on it).
std::vector<zelk::vec2f32> platformPlaces(zelk::physics2D::PhysicObject2D* platform) {
    std::vector<zelk::vec2f32> places;
    for (int i = 0; i < 4 * 30; i++) {
        platform->stepAnimations(0.25f);
        places.push_back(platform->position);
    }
    return places;
}

} // namespace

TEST(LevelDocuments, TheEndSensorComesFirstAndThePlayersLevelsStayFree) {
    for (const std::string& path : {shipped, testLevel}) {
        zelk::Cenario2D scene;
        ASSERT_TRUE(readLevel(scene, path)) << path;
        zelk::physics2D::PhysicObject2D* end = scene.getPhysycObject(jorvell::endLevel, 0u);
        ASSERT_NE(nullptr, end);
        EXPECT_TRUE(end->isSensor());
        EXPECT_EQ(nullptr, scene.getPhysycObject(jorvell::endLevel, 1u));
        for (unsigned int level : {jorvell::playerPhysicsLevel, jorvell::playerPartsLevel}) {
            EXPECT_LT(scene.getHigherLevel(level), 0.0) << level;
            EXPECT_EQ(nullptr, scene.getTileMap(level));
        }
        EXPECT_EQ(1u, scene.world.getJointSize());
        EXPECT_NE(nullptr, scene.getTileMap(jorvell::tileMapLevel));
        EXPECT_EQ(9u, scene.tileSet.getTileSize());
        // Ground under the start, with room for the player above it.
        std::vector<Box> boxes = solidBoxes(scene);
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const Box& box) {
            return box.left < 0.f && box.right > 0.f && box.top < -2.55f && box.top > -10.f;
        }));
        EXPECT_TRUE(std::none_of(boxes.begin(), boxes.end(), [](const Box& box) {
            return overlaps(-1.25f, 1.25f, box.left, box.right) &&
                   overlaps(-2.55f, 2.5f, box.bottom, box.top);
        }));
    }
}

TEST(LevelDocuments, TheTestLevelHangsACurtainSensorRightOfTheStart) {
    zelk::Cenario2D scene;
    ASSERT_TRUE(readLevel(scene, testLevel));
    zelk::physics2D::PhysicObject2D* end = scene.getPhysycObject(jorvell::endLevel, 0u);
    ASSERT_NE(nullptr, end);
    EXPECT_EQ(10.f, end->position.x);
    EXPECT_EQ(1.f, end->size.width);
    EXPECT_EQ(30.f, end->size.height);
}

TEST(LevelDocuments, EveryRiseAndGapOnARouteToTheSensorIsWithinAJump) {
    zelk::Cenario2D scene;
    ASSERT_TRUE(readLevel(scene, shipped));
    std::vector<Box> boxes = solidBoxes(scene);
    std::vector<Surface> surfaces;
    for (const Box& box : boxes) {
        Surface surface{box.left, box.right, box.top,
                        "box at " + std::to_string(box.left) + " top " + std::to_string(box.top)};
        if (roomToStand(surface, boxes)) {
            surfaces.push_back(surface);
        }
    }
    // The moving platform wherever it passes; riding it joins them.
    zelk::physics2D::PhysicObject2D* platform = scene.getPhysycObject(jorvell::platformLevel, 0u);
    ASSERT_NE(nullptr, platform);
    EXPECT_TRUE(platform->positionPath.isLopping());
    size_t firstStop = surfaces.size();
    for (zelk::vec2f32 place : platformPlaces(platform)) {
        float half = platform->size.width / 2;
        surfaces.push_back(
            {place.x - half, place.x + half, place.y + platform->size.height / 2,
             "platform at " + std::to_string(place.x) + " " + std::to_string(place.y)});
    }
    ASSERT_GT(surfaces.size(), firstStop + 1);

    // From the ground the player lands on at the start.
    size_t start = surfaces.size();
    for (size_t i = 0; i < surfaces.size(); i++) {
        const Surface& s = surfaces[i];
        if (s.left < 0.f && s.right > 0.f && s.top < -2.55f &&
            (start == surfaces.size() || s.top > surfaces[start].top)) {
            start = i;
        }
    }
    ASSERT_LT(start, surfaces.size());
    zelk::physics2D::PhysicObject2D* end = scene.getPhysycObject(jorvell::endLevel, 0u);
    ASSERT_NE(nullptr, end);
    Box sensor;
    ASSERT_TRUE(boxOf(end, &sensor));

    std::map<size_t, size_t> cameFrom;
    std::queue<size_t> open;
    open.push(start);
    cameFrom[start] = start;
    size_t goal = surfaces.size();
    while (!open.empty() && goal == surfaces.size()) {
        size_t here = open.front();
        open.pop();
        const Surface& a = surfaces[here];
        // Walking along it, the foot passes through the sensor.
        if (overlaps(a.left, a.right, sensor.left, sensor.right) && sensor.bottom <= a.top + 0.5f &&
            sensor.top >= a.top) {
            goal = here;
            break;
        }
        for (size_t next = 0; next < surfaces.size(); next++) {
            const Surface& b = surfaces[next];
            bool riding = here >= firstStop && next >= firstStop;
            bool jump = b.top - a.top <= mostRise && gapBetween(a, b) <= mostGap;
            if ((riding || jump) && !cameFrom.count(next)) {
                cameFrom[next] = here;
                open.push(next);
            }
        }
    }
    ASSERT_LT(goal, surfaces.size()) << "no route from the start to the end sensor";
    std::string route;
    for (size_t at = goal; at != start; at = cameFrom[at]) {
        route = " -> " + surfaces[at].name + route;
    }
    SCOPED_TRACE("route: " + surfaces[start].name + route);
    // The route climbs from the ground at the start to the sensor's height.
    EXPECT_GT(surfaces[goal].top - surfaces[start].top, 50.f);
}

namespace {

// Plays the level as a person would, one frame of 1/60 s after the other,
// through the held arrow keys.
class Player {
public:
    explicit Player(JorvellGameplay& game) : game(game), current{-20.f, 20.f, -3.5f, "floor"} {}

    zelk::vec2f32 at() { return game.player.getPlayerPosition(); }
    float foot() { return at().y - 2.55f; }
    bool standingOn(const Surface& s) {
        return std::fabs(foot() - s.top) < 0.2f && at().x > s.left && at().x < s.right &&
               (game.player.moveState == 1 || game.player.moveState == 2);
    }
    void step(std::vector<unsigned int> keys) {
        events.clean();
        for (unsigned int key : keys) {
            events.keyHolded.pushBack(key);
        }
        game.stepUpdate(&events, 1.f / 60.f);
        frames++;
    }
    // Waits, keys up, until the condition holds.
    bool waitFor(const std::function<bool()>& condition, int limit) {
        for (int i = 0; i < limit && !condition(); i++) {
            step({});
        }
        return condition();
    }
    // Walks to a point of the surface it stands on.
    bool walkTo(float x, int limit) {
        for (int i = 0; i < limit && std::fabs(at().x - x) > 0.1f; i++) {
            step({x > at().x ? 292u : 291u});
        }
        step({});
        return std::fabs(at().x - x) <= 0.2f;
    }
    // Walks (and jumps) onto the surface the function gives this frame:
    // first back to the far end of the step it stands on, for a run-up, then
    // towards the target, jumping at the edge, and straight down once over
    // the target.
    bool reach(const std::function<Surface()>& where, int limit, bool runUp = true) {
        bool braked = false;
        for (int i = 0; i < limit; i++) {
            Surface target = where();
            if (standingOn(target)) {
                current = target;
                return true;
            }
            float x = at().x;
            bool right = (target.left + target.right) / 2 > x;
            bool onCurrent = standingOn(current);
            bool climb = target.top > current.top + 0.1f || gapBetween(current, target) > 0.3f;
            if (onCurrent && runUp && climb && current.right - current.left < 10.f) {
                float far = right ? current.left + 0.6f : current.right - 0.6f;
                if (std::fabs(x - far) > 0.1f) {
                    step({far > x ? 292u : 291u});
                    continue;
                }
            }
            runUp = false;
            bool over = x > target.left + 0.8f && x < target.right - 0.8f;
            if (over && foot() > target.top) {
                float across = game.player.physicObject.linearVelocity.x;
                // Turning about stops the walk at once.
                if (!braked && std::fabs(across) > 0.01f) {
                    braked = true;
                    step({across > 0 ? 291u : 292u});
                } else {
                    step({});
                }
                continue;
            }
            braked = false;
            float ownEdge = right ? current.right : current.left;
            float face = right ? target.left : target.right;
            bool jump = climb && (std::fabs(ownEdge - x) < 0.7f || std::fabs(face - x) < 1.5f ||
                                  foot() > current.top + 0.3f);
            if (jump) {
                step({right ? 292u : 291u, 293u});
            } else {
                step({right ? 292u : 291u});
            }
        }
        return false;
    }

    JorvellGameplay& game;
    zelk::WindowEvents events;
    Surface current;
    int frames = 0;
};

} // namespace

TEST(LevelDocuments, APlayerClimbsTheShippedLevelAndReachesTheEnd) {
    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
    ASSERT_TRUE(folder.ready());
    JorvellGameplay gameplay;
    gameplay.load();
    Player player(gameplay);
    const Surface steps[] = {
        {-12, -8, 0.5f, "R1"},   {-19, -15, 4.5f, "L1"}, {-12, -8, 8.5f, "R2"},
        {-19, -15, 12.5f, "L2"}, {-12, -8, 16.5f, "R3"}, {-19, -15, 20.5f, "L3"},
        {-12, -8, 24.5f, "R4"},
    };
    for (const Surface& step : steps) {
        ASSERT_TRUE(player.reach([&] { return step; }, 60 * 30)) << step.name;
    }

    zelk::physics2D::PhysicObject2D* platform =
        gameplay.cenario.getPhysycObject(jorvell::platformLevel, 0u);
    ASSERT_NE(nullptr, platform);
    auto platformTop = [&] {
        return Surface{platform->position.x - 5.f, platform->position.x + 5.f,
                       platform->position.y + 0.5f, "platform"};
    };
    // A run-up on the last step while the platform comes along at its
    // lowest, then a jump onto it as it passes, and up with it.
    ASSERT_TRUE(player.walkTo(-11.4f, 60 * 3));
    ASSERT_TRUE(player.waitFor(
        [&] { return platform->position.x < 3.f && platform->position.y < 25.3f; }, 60 * 30));
    ASSERT_TRUE(player.reach(platformTop, 60 * 6, false));
    ASSERT_TRUE(player.waitFor([&] { return platform->position.y > 49.7f; }, 60 * 10));
    player.current = platformTop();

    const Surface top[] = {{5, 25, 50.5f, "platform 17"},
                           {24.5f, 39.5f, 50.5f, "tiles"},
                           {45, 65, 50.5f, "platform 19"}};
    for (const Surface& step : top) {
        ASSERT_TRUE(player.reach([&] { return step; }, 60 * 20)) << step.name;
    }
    std::string said = zelk::test::captureStdout([&] {
        for (int i = 0; i < 60 * 10 && !gameplay.haveEnded(); i++) {
            player.step({292});
        }
    });
    EXPECT_TRUE(gameplay.haveEnded());
    EXPECT_EQ(" END", said);
    gameplay.unload();
}
