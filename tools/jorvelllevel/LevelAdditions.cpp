#include "LevelAdditions.h"

#include "JorvellData.h"
#include "JorvellFilters.h"
#include "JorvellLevel.h"

#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Rectangle2D.h"

namespace jorvelllevel {

namespace {

// A step: the centre of its top edge.
struct Step {
    float x;
    float top;
};

// Right column x -12..-8, left column x -19..-15; the moving platform sweeps
// x -5..14 at its lowest and x -5..5 on its way up.
const Step steps[] = {
    {-10.f, 0.5f},  {-17.f, 4.5f},  {-10.f, 8.5f},  {-17.f, 12.5f},
    {-10.f, 16.5f}, {-17.f, 20.5f}, {-10.f, 24.5f},
};

} // namespace

void addHelperSteps(zelk::Cenario2D& scene) {
    zelk::shape::Rectangle2D box;
    box.setPivoToCenter();
    box.setFriction(0.5f);
    for (const Step& step : steps) {
        zelk::physics2D::PhysicObject2D* object =
            scene.newPhysycObject(jorvell::groundLevel, zelk::physics::staticBody);
        if (!object) {
            continue;
        }
        if (zelk::shape::Mesh2D* mesh = object->newMesh(nullptr)) {
            mesh->addPolygon(box);
            mesh->material.loadTexture(jorvell::templatePicture, 0, jorvell::nearestFilter);
        }
        object->physicsMesh.addPolygon(box);
        object->size = zelk::size2f32(4.f, 1.f);
        object->position = zelk::vec2f32(step.x, step.top - 0.5f);
    }
}

bool makeTestCurtain(zelk::Cenario2D& scene) {
    zelk::physics2D::PhysicObject2D* end = scene.getPhysycObject(jorvell::endLevel, 0u);
    if (!end) {
        return false;
    }
    end->size = zelk::size2f32(1.f, 30.f);
    end->position = zelk::vec2f32(10.f, 10.f);
    return true;
}

} // namespace jorvelllevel
