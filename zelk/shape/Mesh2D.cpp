#include "zelk/shape/Mesh2D.h"

#include "zelk/ElementXML.h"
#include "zelk/XML.h"

namespace zelk {
namespace shape {

namespace {
const char* const elementPrefix = "mesh_";
} // namespace

Mesh2D::Mesh2D() : AnimatedPolygon2DList(), material(), canDeleteMesh(true) {
    polygons.clean(2);
}

Mesh2D::Mesh2D(const Mesh2D& other)
    : AnimatedPolygon2DList(other), material(other.material), canDeleteMesh(other.canDeleteMesh) {}

Mesh2D::~Mesh2D() {
    if (canDeleteMesh) {
        material.removeAllTextures();
    } else {
        material.cantDelete();
        cantDeleteList();
    }
}

bool Mesh2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    writePolygons(xml);
    material.writeToXML(xml, 0);
    ElementXML::close(xml);
    return true;
}

bool Mesh2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    bool read = readPolygons(xml);
    if (read) {
        material.readFromXML(xml, 0);
    }
    ElementXML::close(xml);
    return read;
}

void Mesh2D::print() {
    printPolygons();
}

void Mesh2D::drawOneTexture() {
    drawTextured(&material::Material::drawStartWithOneTexture);
}

void Mesh2D::drawMultiTexture() {
    drawTextured(&material::Material::drawStartWithMultiTexture);
}

void Mesh2D::drawTextured(void (material::Material::*start)()) {
    if (material.haveTexture()) {
        (material.*start)();
        drawPolygons();
        material.drawEndWithTexture();
    } else {
        material.drawNoTexture();
        drawPolygons();
    }
}

void Mesh2D::drawWire() {
    material.drawNoTexture();
    drawWirePolygons();
}

bool Mesh2D::removeTexture(unsigned int slot) {
    return material.removeTexture(static_cast<uint8>(slot));
}

void Mesh2D::cleanTextures() {
    material.removeAllTextures();
}

Mesh2D Mesh2D::operator=(Mesh2D other) {
    Polygon2DList::operator=(other);
    material = other.material;
    other.cantDeleteList();
    other.cantDeleteMesh();
    return other;
}

} // namespace shape
} // namespace zelk
