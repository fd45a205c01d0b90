#include "zelk/shape/Polygon2DList.h"

#include "zelk/ElementXML.h"
#include "zelk/XML.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Rectangle2D.h"

#include <cstdio>
#include <map>

namespace zelk {
namespace shape {

namespace {

const char* const elementPrefix = "mesh_";
const char* const polygonPrefix = "polygon_";
// The most positions a document may ask for.
const int64 mostPolygons = int64(1) << 24;

} // namespace

Polygon2DList::Polygon2DList() : polygons(), selected(nullptr), canDeletePolygons(true) {}

Polygon2DList::Polygon2DList(const Polygon2DList& other)
    : polygons(other.polygons), selected(other.selected),
      canDeletePolygons(other.canDeletePolygons) {}

Polygon2DList::~Polygon2DList() {
    if (!canDeletePolygons) {
        polygons.cantDestroy();
        return;
    }
    for (unsigned int position = 0; position < polygons.size(); position++) {
        delete polygons.get(position);
    }
}

unsigned int Polygon2DList::addPolygon(Polygon2D polygon) {
    polygon.cantDeletePolygon();
    Polygon2D* copy = nullptr;
    if (polygon.isLine()) {
        copy = new Lines2D();
    } else if (polygon.getVertexCount() > 2) {
        copy = new Polygon2D();
    } else if (polygon.getVertexCount() == 2) {
        copy = new Rectangle2D();
    }
    if (!copy) {
        return 0;
    }
    *copy = polygon;
    unsigned int position = polygons.pushBack(copy);
    if (polygons.get(position) != copy) {
        delete copy;
        return 0;
    }
    selected = copy;
    return position;
}

bool Polygon2DList::removePolygon(unsigned int position) {
    if (!polygons.havePos(position)) {
        return false;
    }
    releasePolygon(polygons.remove(position));
    return true;
}

void Polygon2DList::cleanPolygons() {
    selected = nullptr;
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            releasePolygon(polygon);
        }
    }
    polygons.clean();
}

void Polygon2DList::releasePolygon(Polygon2D* polygon) {
    if (selected == polygon) {
        selected = nullptr;
    }
    delete polygon;
}

bool Polygon2DList::selectPolygon(unsigned int position) {
    if (!polygons.havePos(position)) {
        return false;
    }
    selected = polygons.get(position);
    return true;
}

bool Polygon2DList::setPolygonsColor(color4f32 color) {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            polygon->setPolygonColor(color);
        }
    }
    return polygons.size() != 0;
}

bool Polygon2DList::setPolygonsColor(color3f32 color) {
    return setPolygonsColor(color4f32(color.r, color.g, color.b, 1.f));
}

bool Polygon2DList::setPolygonsColor(float32 r, float32 g, float32 b) {
    return setPolygonsColor(color4f32(r, g, b, 1.f));
}

bool Polygon2DList::setPolygonsColor(float32 r, float32 g, float32 b, float32 a) {
    return setPolygonsColor(color4f32(r, g, b, a));
}

bool Polygon2DList::setPolygonDensity(unsigned int position, float32 value) {
    return onPolygon(position, [value](Polygon2D* polygon) { polygon->setDensity(value); });
}

bool Polygon2DList::setPolygonFriction(unsigned int position, float32 value) {
    return onPolygon(position, [value](Polygon2D* polygon) { polygon->setFriction(value); });
}

bool Polygon2DList::setPolygonRestitution(unsigned int position, float32 value) {
    return onPolygon(position, [value](Polygon2D* polygon) { polygon->setRestitution(value); });
}

void Polygon2DList::setDensity(float32 value) {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        setPolygonDensity(position, value);
    }
}

void Polygon2DList::setFriction(float32 value) {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        setPolygonFriction(position, value);
    }
}

void Polygon2DList::setRestitution(float32 value) {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        setPolygonRestitution(position, value);
    }
}

float32 Polygon2DList::getPolygonDensity(unsigned int position) {
    Polygon2D* polygon = polygons.get(position);
    return polygon ? polygon->getDensity() : 1.f;
}

float32 Polygon2DList::getPolygonFriction(unsigned int position) {
    Polygon2D* polygon = polygons.get(position);
    return polygon ? polygon->getFriction() : 0.f;
}

float32 Polygon2DList::getPolygonRestitution(unsigned int position) {
    Polygon2D* polygon = polygons.get(position);
    return polygon ? polygon->getRestitution() : 0.f;
}

void Polygon2DList::printPolygons() {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            printf("\nPolygon %u", position);
            polygon->print();
        }
    }
}

void Polygon2DList::drawPolygons() {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            polygon->draw();
        }
    }
}

void Polygon2DList::drawWirePolygons() {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            polygon->drawWire();
        }
    }
}

void Polygon2DList::cantDeleteList() {
    canDeletePolygons = false;
    polygons.cantDestroy();
}

bool Polygon2DList::sharesPolygonsWith(Polygon2DList& other) {
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (polygons.havePos(position)) {
            return other.polygons.get(position) == polygons.get(position);
        }
    }
    return false;
}

Polygon2DList Polygon2DList::operator=(Polygon2DList other) {
    if (!sharesPolygonsWith(other)) {
        cleanPolygons();
        unsigned int chosen = 0;
        for (unsigned int position = 0; position < other.polygons.size(); position++) {
            Polygon2D* polygon = other.polygons.get(position);
            if (!polygon) {
                continue;
            }
            unsigned int added = addPolygon(*polygon);
            if (polygon == other.selected) {
                chosen = added;
            }
        }
        selectPolygon(chosen);
    }
    other.cantDeleteList();
    return other;
}

bool Polygon2DList::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    writePolygons(xml);
    ElementXML::close(xml);
    return true;
}

bool Polygon2DList::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    bool read = readPolygons(xml);
    ElementXML::close(xml);
    return read;
}

void Polygon2DList::writePolygons(XML* xml) {
    ElementXML::writeInteger(xml, "pCount", polygons.size());
    for (unsigned int position = 0; position < polygons.size(); position++) {
        if (Polygon2D* polygon = polygons.get(position)) {
            polygon->writeToXML(xml, position);
        }
    }
}

bool Polygon2DList::readPolygons(XML* xml) {
    int64 count = ElementXML::readInteger(xml, "pCount");
    if (count < 0 || count > mostPolygons) {
        return false;
    }
    cleanPolygons();
    // One polygon reads every element where it stands, in document order:
    // what an element does not carry keeps the value of the one read before
    // it. The copies are stored in the order of their numbers.
    std::map<uint32, Polygon2D*> read;
    Polygon2D polygon;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 k = 0;
        if (!ElementXML::numberOf(name, polygonPrefix, static_cast<uint32>(count), &k) ||
            read.count(k) != 0) {
            return;
        }
        polygon.deletePolygon();
        polygon.readElement(xml);
        read[k] = new Polygon2D();
        *read[k] = polygon;
    });
    for (auto& entry : read) {
        addPolygon(*entry.second);
        delete entry.second;
    }
    return true;
}

} // namespace shape
} // namespace zelk
