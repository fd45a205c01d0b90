#include "zelk/animation/Frame3D.h"

#include "zelk/animation/AnimationXML.h"

namespace zelk {
namespace animation {

Frame3D::Frame3D() : z(0) {}

Frame3D::Frame3D(float second, float x, float y, float z) : Frame2D(second, x, y), z(z) {}

Frame3D::Frame3D(float second, vec3f32 values) : Frame3D(second, values.x, values.y, values.z) {}

Frame3D::Frame3D(const Frame3D& other) : Frame2D(other), z(other.z) {}

Frame3D::~Frame3D() {}

bool Frame3D::writeToXML(XML* xml, unsigned int id) {
    return Frame2D::writeToXML(xml, id) && xml::addFloatToNewElement(xml, "frame_", id, "z", z);
}

bool Frame3D::readFromXML(XML* xml, unsigned int id) {
    return Frame2D::readFromXML(xml, id) && xml::readFloatOfElement(xml, "frame_", id, "z", &z);
}

} // namespace animation
} // namespace zelk
