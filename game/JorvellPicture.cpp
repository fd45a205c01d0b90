#include "JorvellPicture.h"

#include "zelk/shape/Rectangle2D.h"

namespace jorvell {

void showPicture(zelk::Object2D& object, zelk::shape::Mesh2D& mesh) {
    zelk::shape::Rectangle2D rectangle;
    rectangle.setPivoToCenter();
    mesh.addPolygon(rectangle);
    object.addMesh(&mesh);
    mesh.setPolygonsColor(1.f, 1.f, 1.f, 1.f);
    zelk::size2ui32 pixels = mesh.material.getTextureSize(0);
    object.size =
        zelk::size2f32(static_cast<float>(pixels.width), static_cast<float>(pixels.height));
}

void hidePicture(zelk::Object2D& object, zelk::shape::Mesh2D& mesh) {
    object.removeAllMesh();
    mesh.material.removeAllTextures();
    mesh.cleanPolygons();
}

} // namespace jorvell
