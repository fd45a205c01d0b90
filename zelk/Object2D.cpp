#include "zelk/Object2D.h"

#include "zelk/ElementXML.h"
#include "zelk/GU.h"
#include "zelk/XML.h"

#include <cstdio>

namespace zelk {

namespace {

const char* const elementPrefix = "object_";
// OpenGL's GL_LINES and GL_COLOR_MATERIAL.
const unsigned int glLines = 1, glColorMaterial = 2903;

} // namespace

namespace {

// Advances a playing group and reads its values; false when it does not play
// (any more).
bool advance(animation::Interpolation1DGroup& group, float32* x) {
    if (!group.isPlaying()) {
        return false;
    }
    group.updateClockAnimation();
    bool ok = false;
    *x = group.getClockX(&ok);
    return ok;
}

bool advance(animation::Interpolation2DGroup& group, vec2f32* values) {
    bool ok = advance(group, &values->x);
    if (ok) {
        values->y = group.getClockY(&ok);
    }
    return ok;
}

} // namespace

bool Object2D::updateAnimations() {
    bool changed = false;
    vec2f32 values;
    if (advance(animationPosition, &values)) {
        position = values;
        changed = true;
    }
    if (advance(animationAngle, &values.x)) {
        angle = values.x;
        changed = true;
    }
    if (advance(animationSize, &values)) {
        size = size2f32(values.x, values.y);
        changed = true;
    }
    updateMeshAnimations();
    return changed;
}

void Object2D::print() {
    for (unsigned int position = 0; position < meshes.size(); position++) {
        if (shape::Mesh2D* mesh = meshes.getMesh(position)) {
            printf("\nMESH %u", position);
            mesh->print();
        }
    }
}

void Object2D::draw() {
    drawMeshes(&shape::Mesh2D::drawOneTexture);
}

void Object2D::drawWire() {
    drawMeshes(&shape::Mesh2D::drawWirePolygons);
}

void Object2D::drawMeshes(void (shape::Mesh2D::*drawMesh)()) {
    GU::guPushMatrix();
    GU::guTranslate2f32(position);
    GU::guRotateZf32(angle);
    GU::guScale2f32(size);
    GU::guTranslate2f32(pivo * -1.f);
    GU::guEnable(glColorMaterial);
    for (unsigned int at = meshes.size(); at > 0; at--) {
        if (shape::Mesh2D* mesh = meshes.getMesh(at - 1)) {
            (mesh->*drawMesh)();
        }
    }
    GU::guDisable(glColorMaterial);
    GU::guPopMatrix();
}

void Object2D::drawPivo(float32 crossSize, color3f32 color) {
    GU::guPushMatrix();
    GU::guTranslate2f32(position);
    GU::guScale2f32(crossSize, crossSize);
    GU::guLineWidth(3);
    GU::guColor3f32(color);
    GU::guBegin(glLines);
    GU::guVertex2f32(-0.5f, -0.5f);
    GU::guVertex2f32(0.5f, 0.5f);
    GU::guVertex2f32(-0.5f, 0.5f);
    GU::guVertex2f32(0.5f, -0.5f);
    GU::guEnd();
    GU::guLineWidth(1);
    GU::guPopMatrix();
}

Object2D Object2D::operator=(Object2D other) {
    if (!sharesMeshesWith(other)) {
        cleanMeshes();
        other.forEachMesh([this](shape::Mesh2D* mesh) {
            if (shape::Mesh2D* copy = newMesh(nullptr)) {
                *copy = *mesh;
            }
        });
        pivo = other.pivo;
        animationPosition = other.animationPosition;
        animationAngle = other.animationAngle;
        animationSize = other.animationSize;
        position = other.position;
        angle = other.angle;
        size = other.size;
    }
    other.cantDeleteObject2D();
    return other;
}

bool Object2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    for (unsigned int k = 0; k < meshes.size(); k++) {
        if (shape::Mesh2D* mesh = meshes.getMesh(k)) {
            mesh->writeToXML(xml, k);
        }
    }
    ElementXML::writeFloat(xml, "pivoX", pivo.x);
    ElementXML::writeFloat(xml, "pivoY", pivo.y);
    ElementXML::writeFloat(xml, "positionX", position.x);
    ElementXML::writeFloat(xml, "positionY", position.y);
    ElementXML::writeFloat(xml, "sizeW", size.width);
    ElementXML::writeFloat(xml, "sizeH", size.height);
    ElementXML::writeFloat(xml, "angle", angle);
    animationPosition.writeToXML(xml, 0);
    animationAngle.writeToXML(xml, 1);
    animationSize.writeToXML(xml, 2);
    ElementXML::close(xml);
    return true;
}

bool Object2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    cleanMeshes();
    for (unsigned int k = 0;; k++) {
        unsigned int at = 0;
        shape::Mesh2D* mesh = newMesh(&at);
        if (!mesh) {
            break;
        }
        if (!mesh->readFromXML(xml, k)) {
            meshes.removeMesh(at);
            break;
        }
    }
    pivo = vec2f32(ElementXML::readFloat(xml, "pivoX"), ElementXML::readFloat(xml, "pivoY"));
    position =
        vec2f32(ElementXML::readFloat(xml, "positionX"), ElementXML::readFloat(xml, "positionY"));
    size = size2f32(ElementXML::readFloat(xml, "sizeW"), ElementXML::readFloat(xml, "sizeH"));
    angle = ElementXML::readFloat(xml, "angle");
    animationPosition.readFromXML(xml, 0);
    animationAngle.readFromXML(xml, 1);
    animationSize.readFromXML(xml, 2);
    ElementXML::close(xml);
    return true;
}

} // namespace zelk
