// Seeds of the polygon, mesh and object readers.
#include "Seeds.h"

#include "zelk/Object2D.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Mesh2D.h"

namespace zelk {
namespace fuzz {

namespace {

shape::Polygon2D square(float side) {
    shape::Polygon2D polygon(4);
    polygon.setVertexPosition(0, 0.f, 0.f);
    polygon.setVertexPosition(1, side, 0.f);
    polygon.setVertexPosition(2, side, side);
    polygon.setVertexPosition(3, 0.f, side);
    polygon.setPolygonColor(0.25f, 0.5f, 0.75f, 1.f);
    return polygon;
}

// A square whose corners show frames of a 4 x 2 sheet, with its frame
// animation.
shape::Polygon2D framedSquare() {
    shape::Polygon2D framed = square(2.f);
    framed.setVertexUV(0, 0.f, 0.f);
    framed.setVertexUV(1, 1.f, 0.f);
    framed.setVertexUV(2, 1.f, 1.f);
    framed.setVertexUVFrames(3, vec2ui32(4, 2));
    framed.setPolygonUVFrames(4, 2);
    framed.setTranslate(1.f, -2.f);
    framed.setScale(2.f, 0.5f);
    framed.setAngle(30.f);
    framed.setDensity(2.f);
    framed.setFriction(0.5f);
    framed.setRestitution(0.25f);
    return framed;
}

// A list takes its polygons by value: each is handed over by name, so that
// the name frees it.
void fillMesh(shape::Mesh2D* mesh) {
    shape::Polygon2D plain = square(1.f);
    shape::Polygon2D framed = framedSquare();
    mesh->addPolygon(plain);
    mesh->addPolygon(framed);
    mesh->addPolygon(shape::Circle2D(8, 1.5f));
    shape::Lines2D line;
    line.createPolygon(3);
    line.setVertexPosition(1, 1.f, 1.f);
    line.setVertexPosition(2, 2.f, 0.f);
    mesh->addPolygon(line);
    mesh->newAnimationFramesToPolygon(1);
    mesh->selectAnimationFramesFromPolygon(1);
    mesh->selectedAnimationAddInterpolationLine(0.f, 0.f);
    mesh->selectedAnimationAddInterpolationLine(1.f, 7.f);
    mesh->material.setAmbient(0.5f, 0.2f, 0.2f, 1.f);
    mesh->material.setDiffuse(0.8f, 0.8f, 0.8f, 0.75f);
}

} // namespace

bool writeShapeSeeds(const std::string& root) {
    SeedFolder polygons(root, "polygon");
    bool written =
        polygons.writeDocument("square.xml", [](XML* xml) { square(1.f).writeToXML(xml, 0); });
    written &= polygons.writeDocument("framed.xml", [](XML* xml) {
        shape::Polygon2D framed = framedSquare();
        framed.framesCreateAnimation();
        framed.writeToXML(xml, 0);
    });
    written &= polygons.writeDocument(
        "circle.xml", [](XML* xml) { shape::Circle2D(12, 2.f).writeToXML(xml, 0); });
    written &= polygons.writeDocument("rectangle.xml", [](XML* xml) {
        shape::Polygon2D corners(2);
        corners.setVertexPosition(1, 3.f, 1.f);
        corners.writeToXML(xml, 0);
    });

    SeedFolder meshes(root, "mesh");
    written &= meshes.writeDocument("mesh.xml", [](XML* xml) {
        shape::Mesh2D mesh;
        fillMesh(&mesh);
        mesh.writeToXML(xml, 0);
    });
    written &= meshes.writeDocument("empty.xml", [](XML* xml) {
        shape::Mesh2D mesh;
        mesh.writeToXML(xml, 0);
    });

    SeedFolder objects(root, "object");
    written &= objects.writeDocument("object.xml", [](XML* xml) {
        Object2D object;
        fillMesh(object.newMesh(nullptr));
        shape::Polygon2D big = square(3.f);
        object.newMesh(nullptr)->addPolygon(big);
        object.pivo = vec2f32(0.5f, 0.5f);
        object.position = vec2f32(10.f, -3.f);
        object.size = size2f32(2.f, 4.f);
        object.angle = 45.f;
        object.animationPosition.addNewInterpolationLine(0.f, 0.f, 0.f);
        object.animationPosition.addNewInterpolationLine(2.f, 4.f, 8.f);
        object.animationAngle.addNewInterpolationLine(0.f, 45.f);
        object.animationSize.addNewInterpolationLine(0.f, 1.f, 1.f);
        object.animationSize.addNewInterpolationLine(1.f, 2.f, 2.f);
        object.animationSize.addNewInterpolationLine(3.f, 1.f, 1.f);
        object.animationSize.addNewAnimationName("grow", 0.f, 1.f);
        object.writeToXML(xml, 0);
    });
    return written;
}

} // namespace fuzz
} // namespace zelk
