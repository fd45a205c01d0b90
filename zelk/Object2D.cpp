#include "zelk/Object2D.h"

#include "zelk/GU.h"
#include "zelk/XML.h"
#include "zelk/shape/ElementXML.h"

#include <cstdio>

namespace zelk {

using shape::ElementXML;

namespace {

const char* const elementPrefix = "object_";
// OpenGL's GL_LINES and GL_COLOR_MATERIAL.
const unsigned int glLines = 1, glColorMaterial = 2903;

} // namespace

bool Object2D::updateAnimations() {
    bool changed = false;
    bool ok = false;
    if (animationPosition.isPlaying()) {
        animationPosition.updateClockAnimation();
        float32 x = animationPosition.getClockX(&ok);
        float32 y = ok ? animationPosition.getClockY(&ok) : 0.f;
        if (ok) {
            position = vec2f32(x, y);
            changed = true;
        }
    }
    if (animationAngle.isPlaying()) {
        animationAngle.updateClockAnimation();
        float32 x = animationAngle.getClockX(&ok);
        if (ok) {
            angle = x;
            changed = true;
        }
    }
    if (animationSize.isPlaying()) {
        animationSize.updateClockAnimation();
        float32 width = animationSize.getClockX(&ok);
        float32 height = ok ? animationSize.getClockY(&ok) : 0.f;
        if (ok) {
            size = size2f32(width, height);
            changed = true;
        }
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
