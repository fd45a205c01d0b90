#include "zelk/Cenario2D.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"

#include <cstdint>
#include <set>

namespace zelk {

using tiles::TileMap2D;

namespace {

const char* const scenePrefix = "Cenario_";
const char* const levelsName = "levels";
const char* const levelPrefix = "Level_";
const char* const objectsText = "objs";
const char* const physicsText = "objsPhys";
const char* const tileMapText = "tileMap";

} // namespace

uint32 Cenario2D::readCount(XML* xml) {
    char* text = ElementXML::filteredText(xml);
    int64 count = String::strToInt64(text);
    delete[] text;
    if (count < 0) {
        return 0;
    }
    return count > UINT32_MAX ? UINT32_MAX : static_cast<uint32>(count);
}

void Cenario2D::writeText(XML* xml, char* text) {
    xml->setSelectedString(text);
    delete[] text;
}

bool Cenario2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, scenePrefix, id)) {
        return false;
    }
    tileSet.writeToXML(xml, 0);
    writeLevels(xml);
    writeJoints(xml);
    ElementXML::close(xml);
    return true;
}

bool Cenario2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, scenePrefix, id)) {
        return false;
    }
    tileSet.readFromXML(xml, 0);
    readLevels(xml);
    readJoints(xml);
    ElementXML::close(xml);
    return true;
}

void Cenario2D::writeLevels(XML* xml) {
    if (!ElementXML::openChild(xml, levelsName)) {
        return;
    }
    writeText(xml, String::uint32ToStr(levels.size()));
    for (unsigned int position = 0; position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (!place || !ElementXML::open(xml, levelPrefix, position)) {
            continue;
        }
        if (place->objects) {
            xml->setSelectedString(objectsText);
            place->objects->writeToXML(xml, 0);
        } else if (place->physicsObjects) {
            xml->setSelectedString(physicsText);
            place->physicsObjects->writeToXML(xml, 0);
        } else if (place->tileMap) {
            xml->setSelectedString(tileMapText);
            place->tileMap->writeToXML(xml, 0);
        }
        ElementXML::close(xml);
    }
    xml->selectFather();
}

// Without a "levels" element the scene's levels stay; with one they are
// replaced. Each "Level_<p>" below the count (the
// first of each number) fills level p + 1, with the levels below it made
// empty; so the stack ends at the highest level present.
void Cenario2D::readLevels(XML* xml) {
    if (!xml->selectChild(levelsName)) {
        return;
    }
    deleteAllLevels();
    uint32 count = readCount(xml);
    uint32 limit = count < mostLevels ? count : mostLevels;
    std::set<uint32> seen;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 position = 0;
        if (!ElementXML::numberOf(name, levelPrefix, limit, &position) ||
            !seen.insert(position).second) {
            return;
        }
        if (LevelObj* place = makeLevel(position + 1)) {
            readLevel(xml, place);
        }
    });
    xml->selectFather();
    loadPhysicObjectsToWorld();
}

void Cenario2D::readLevel(XML* xml, LevelObj* level) {
    emptyLevel(level);
    char* kind = ElementXML::filteredText(xml);
    if (String::strCompare(kind, objectsText)) {
        TreeObjDepth* tree = new TreeObjDepth();
        if (tree->readFromXML(xml, 0)) {
            level->objects = tree;
        } else {
            delete tree;
        }
    } else if (String::strCompare(kind, physicsText)) {
        TreePhysObjDepth* tree = new TreePhysObjDepth(&world);
        if (tree->readFromXML(xml, 0)) {
            level->physicsObjects = tree;
        } else {
            delete tree;
        }
    } else if (String::strCompare(kind, tileMapText)) {
        TileMap2D* map = new TileMap2D(&tileSet);
        if (map->readFromXML(xml, 0)) {
            map->setWorld(&world);
            level->tileMap = map;
        } else {
            delete map;
        }
    }
    delete[] kind;
}

} // namespace zelk
