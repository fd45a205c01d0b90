#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/tiles/TileMap2D.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace zelk {
namespace tiles {

bool TileMap2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, "tileMap_", id)) {
        return false;
    }
    ElementXML::writeInteger(xml, "sizeMapW", sizeMap.width);
    ElementXML::writeInteger(xml, "sizeMapH", sizeMap.height);
    ElementXML::writeFloat(xml, "scaleMapW", scaleMap.width);
    ElementXML::writeFloat(xml, "scaleMapH", scaleMap.height);
    ElementXML::writeFloat(xml, "posMapX", getPositionX());
    ElementXML::writeFloat(xml, "posMapY", getPositionY());
    if (tileMap) {
        const size_t width = sizeMap.width;
        std::vector<uint32> values(width * sizeMap.height);
        for (unsigned int y = 0; y < sizeMap.height; y++) {
            std::copy(tileMap[y], tileMap[y] + width, values.begin() + y * width);
        }
        for (PhysicsTiles* record : physicsTiles.records()) {
            if (insideMap(record->position.x, record->position.y)) {
                values[record->position.y * width + record->position.x] = record->id;
            }
        }
        char* text = String::vecUint32toStr(values.data(), static_cast<uint32>(values.size()));
        if (ElementXML::openChild(xml, "tileMap")) {
            xml->setSelectedString(text);
            ElementXML::close(xml);
        }
        delete[] text;
    }
    ElementXML::close(xml);
    return true;
}

bool TileMap2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, "tileMap_", id)) {
        return false;
    }
    size2f32 scale(ElementXML::readFloat(xml, "scaleMapW"),
                   ElementXML::readFloat(xml, "scaleMapH"));
    vec2f32 place(ElementXML::readFloat(xml, "posMapX"), ElementXML::readFloat(xml, "posMapY"));
    int64 w = ElementXML::readInteger(xml, "sizeMapW");
    int64 h = ElementXML::readInteger(xml, "sizeMapH");
    bool usable = scale.width != 0.f && scale.height != 0.f && std::isfinite(scale.width) &&
                  std::isfinite(scale.height) && std::isfinite(place.x) && std::isfinite(place.y);
    if (usable && xml->selectChild("tileMap")) {
        // The size counts only when the text holds a number for every cell.
        const int64 most = std::numeric_limits<uint32>::max();
        uint64 cells = w > 0 && h > 0 && w <= most && h <= most
                           ? static_cast<uint64>(w) * static_cast<uint64>(h)
                           : 0;
        char* text = xml->getSelectedString();
        usable = cells != 0 && cells <= maxCells &&
                 String::strVecNumberCount(text, static_cast<uint32>(cells)) == cells &&
                 newTileMap(static_cast<unsigned int>(w), static_cast<unsigned int>(h));
        if (usable) {
            std::vector<uint32> values(cells);
            String::strToVecUint32(text, values.data(), static_cast<uint32>(cells));
            for (unsigned int y = 0; y < sizeMap.height; y++) {
                std::copy(values.begin() + static_cast<size_t>(y) * sizeMap.width,
                          values.begin() + static_cast<size_t>(y + 1) * sizeMap.width, tileMap[y]);
            }
        }
        ElementXML::close(xml);
    }
    if (usable) {
        setScaleMap(scale);
        setPosition(place);
    }
    ElementXML::close(xml);
    return usable;
}

} // namespace tiles
} // namespace zelk
