#ifndef JORVELL_LEVEL_H
#define JORVELL_LEVEL_H

#include "zelk/Cenario2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/tiles/TileMap2D.h"

// The level of the game as it is built in code, shared by the gameplay screen
// and the tool that writes the level document, so the two never differ.
namespace jorvell {

// The parts of the built level the gameplay keeps pointers to; null for a
// part that could not be made. They belong to the scene.
struct LevelParts {
    zelk::physics2D::PhysicObject2D* jointBase = nullptr;
    zelk::physics2D::PhysicObject2D* jointArm = nullptr;
    zelk::physics2D::PhysicObject2D* platform = nullptr;
    zelk::tiles::TileMap2D* tileMap = nullptr;
};

// The scene's levels used by the game.
const unsigned int endLevel = 1;
const unsigned int decorationLevel = 2;
const unsigned int groundLevel = 3;
const unsigned int playerPhysicsLevel = 4;
const unsigned int playerPartsLevel = 5;
const unsigned int tileMapLevel = 7;
const unsigned int platformLevel = 8;

// Builds the level into the scene: the walls, floors and platforms of level
// 3 (with the swinging bar, its anchor and their joint already in the
// world), the end sensor at position 0 of level 1, drawn decoration on level
// 2, the tile set and the tile map of level 7, and the moving platform of
// level 8. The other physics objects and the tiles' bodies reach the world
// when the scene reads a document. Every mesh made here belongs to its
// object and goes with it.
LevelParts buildLevel(zelk::Cenario2D& scene);

} // namespace jorvell

#endif
