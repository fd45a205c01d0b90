#include "zelk/shape/Polygon2D.h"

#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/ElementXML.h"
#include "zelk/shape/Vertex2DAnimatedUV.h"

#include <vector>

namespace zelk {
namespace shape {

namespace {

const char* const elementPrefix = "polygon_";
const char* const vertexPrefix = "Vertex_";
// The most vertices a document may ask for.
const int64 mostVertices = 65536;
// A count makes its vertices as long as the document carries at least one
// "Vertex_<k>" element for every eight of them beyond the first 64, so that
// vertices without elements stay as created and yet no count asks for more
// work than the document carries.
const uint32 verticesWithoutElements = 64;
const uint32 verticesPerElement = 8;

// How many vertices the element the cursor is on makes for its count.
uint32 vertexCountOf(XML* xml, uint32 count) {
    uint64 backed = verticesWithoutElements;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 k = 0;
        if (ElementXML::numberOf(name, vertexPrefix, count, &k)) {
            backed += verticesPerElement;
        }
    });
    return count < backed ? count : static_cast<uint32>(backed);
}

} // namespace

bool Polygon2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    if (circleFlag) {
        xml->setSelectedString("circle");
        ElementXML::writeFloat(xml, "radius", radius);
    } else if (lineFlag) {
        xml->setSelectedString("line");
        ElementXML::writeInteger(xml, "collisionID", collisionID);
    } else {
        xml->setSelectedString("polygon");
    }
    ElementXML::writeInteger(xml, "vCount", vertexs.size());
    for (unsigned int k = 0; k < vertexs.size(); k++) {
        if (Vertex2D* vertex = vertexs.get(k)) {
            vertex->writeToXML(k, xml);
        }
    }
    if (xml->addSelectedNextChild("uvFrames") && xml->selectChild("uvFrames")) {
        ElementXML::writeFloat(xml, "framesX", static_cast<float32>(frames.x));
        ElementXML::writeFloat(xml, "framesY", static_cast<float32>(frames.y));
        ElementXML::writeFloat(xml, "frameUsingX", static_cast<float32>(frameUsing.x));
        ElementXML::writeFloat(xml, "frameUsingY", static_cast<float32>(frameUsing.y));
        xml->selectFather();
    }
    if (xml->addSelectedNextChild("transformation") && xml->selectChild("transformation")) {
        ElementXML::writeFloat(xml, "translateX", translate.x);
        ElementXML::writeFloat(xml, "translateY", translate.y);
        ElementXML::writeFloat(xml, "scaleW", getScale().width);
        ElementXML::writeFloat(xml, "scaleH", getScale().height);
        ElementXML::writeFloat(xml, "angle", getAngle());
        xml->selectFather();
    }
    if (xml->addSelectedNextChild("physics") && xml->selectChild("physics")) {
        ElementXML::writeFloat(xml, "density", density);
        ElementXML::writeFloat(xml, "friction", friction);
        ElementXML::writeFloat(xml, "restitution", restitution);
        xml->selectFather();
    }
    if (animationFrames) {
        animationFrames->writeToXML(xml, 0);
    }
    ElementXML::close(xml);
    return true;
}

bool Polygon2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    bool read = readElement(xml);
    ElementXML::close(xml);
    return read;
}

bool Polygon2D::readElement(XML* xml) {
    char* kind = ElementXML::filteredText(xml);
    if (String::strCompare(kind, "circle")) {
        circleFlag = true;
        lineFlag = false;
        radius = ElementXML::readFloat(xml, "radius");
    } else if (String::strCompare(kind, "line")) {
        lineFlag = true;
        circleFlag = false;
        collisionID = static_cast<uint8>(ElementXML::readInteger(xml, "collisionID"));
    } else if (String::strCompare(kind, "polygon")) {
        circleFlag = false;
        lineFlag = false;
    }
    delete[] kind;
    int64 count = ElementXML::readInteger(xml, "vCount");
    if (count <= 0 || count > mostVertices) {
        return false;
    }
    uint32 made = vertexCountOf(xml, static_cast<uint32>(count));
    createPolygon(made);
    readVertices(xml, made);
    readGrid(xml);
    readTransformation(xml);
    readPhysics(xml);
    readAnimation(xml);
    return true;
}

// Each "Vertex_<k>" below the count is read where it stands, the first of
// that name only; vertices beyond the count this polygon has made cannot be
// set, so their elements are passed over.
void Polygon2D::readVertices(XML* xml, unsigned int count) {
    unsigned int limit = count < vertexs.size() ? count : vertexs.size();
    std::vector<bool> seen(limit, false);
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 k = 0;
        if (!ElementXML::numberOf(name, vertexPrefix, limit, &k) || seen[k]) {
            return;
        }
        seen[k] = true;
        readVertex(k, xml);
    });
}

// The kind the element names decides which coordinate the vertex takes.
void Polygon2D::readVertex(unsigned int k, XML* xml) {
    if (!xml->haveSelectedAttribute("type")) {
        return;
    }
    uint8 type = static_cast<uint8>(ElementXML::readInteger(xml, "type"));
    Vertex2D plain;
    Vertex2DWithUV textured;
    Vertex2DAnimatedUV framed;
    Vertex2D* kinds[3] = {&plain, &textured, &framed};
    if (type < 1 || type > 3) {
        return;
    }
    Vertex2D* vertex = kinds[type - 1];
    vertex->readAttributes(xml);
    setVertexPosition(k, vertex->position);
    setVertexColor(k, vertex->color);
    if (type == 2) {
        setVertexUV(k, textured.getUV());
    } else if (type == 3) {
        setVertexUV(k, framed.getSaved());
    }
}

void Polygon2D::readGrid(XML* xml) {
    if (!xml->selectChild("uvFrames")) {
        return;
    }
    vec2ui32 grid(static_cast<uint32>(ElementXML::readInteger(xml, "framesX")),
                  static_cast<uint32>(ElementXML::readInteger(xml, "framesY")));
    vec2ui32 shown(static_cast<uint32>(ElementXML::readInteger(xml, "frameUsingX")),
                   static_cast<uint32>(ElementXML::readInteger(xml, "frameUsingY")));
    xml->selectFather();
    setPolygonUVFrames(grid);
    usePolygonUVFrame(shown);
}

void Polygon2D::readTransformation(XML* xml) {
    if (!xml->selectChild("transformation")) {
        return;
    }
    translate =
        vec2f32(ElementXML::readFloat(xml, "translateX"), ElementXML::readFloat(xml, "translateY"));
    scale = size2f32(ElementXML::readFloat(xml, "scaleW"), ElementXML::readFloat(xml, "scaleH"));
    angle = ElementXML::readFloat(xml, "angle");
    xml->selectFather();
}

void Polygon2D::readPhysics(XML* xml) {
    if (!xml->selectChild("physics")) {
        return;
    }
    density = ElementXML::readFloat(xml, "density");
    friction = ElementXML::readFloat(xml, "friction");
    restitution = ElementXML::readFloat(xml, "restitution");
    xml->selectFather();
}

void Polygon2D::readAnimation(XML* xml) {
    if (!framesCreateAnimation()) {
        return;
    }
    if (animationFrames->readFromXML(xml, 0)) {
        animationFrames->playForward();
    } else {
        framesRemoveAnimation();
    }
}

} // namespace shape
} // namespace zelk
