#include "zelk/Math.h"
#include "zelk/bones/Bone2D.h"
#include "zelk/bones/PlacementMatrix.h"

#include <cstdio>

namespace zelk {
namespace bones {

namespace {

void printRow(float a, float b, float c) {
    printf("\n[ %.2f  %.2f  %.2f ]", a, b, c);
}

} // namespace

bool Bone2D::setIdentity(float (*matrix)[3][3]) {
    if (!matrix) {
        return false;
    }
    for (int c = 0; c < 3; c++) {
        for (int r = 0; r < 3; r++) {
            (*matrix)[c][r] = c == r ? 1.f : 0.f;
        }
    }
    return true;
}

bool Bone2D::copyMatrix(float (*from)[3][3], float (*to)[3][3]) {
    if (!from || !to) {
        return false;
    }
    for (int c = 0; c < 3; c++) {
        for (int r = 0; r < 3; r++) {
            (*to)[c][r] = (*from)[c][r];
        }
    }
    return true;
}

bool Bone2D::multiplyMatrix(float (*m)[3][3], float (*v)[3]) {
    if (!m || !v) {
        return false;
    }
    float result[3];
    for (int r = 0; r < 3; r++) {
        result[r] = (*m)[0][r] * (*v)[0] + (*m)[1][r] * (*v)[1] + (*m)[2][r] * (*v)[2];
    }
    for (int r = 0; r < 3; r++) {
        (*v)[r] = result[r];
    }
    return true;
}

bool Bone2D::multiplyMatrix(float (*a)[3][3], float (*b)[3][3]) {
    if (!a || !b) {
        return false;
    }
    // Each column of b is a vector multiplied by a.
    for (int c = 0; c < 3; c++) {
        multiplyMatrix(a, &(*b)[c]);
    }
    return true;
}

bool Bone2D::generateTranslateMatrix(vec2f32 translate, float (*matrix)[3][3]) {
    if (!setIdentity(matrix)) {
        return false;
    }
    (*matrix)[2][0] = translate.x;
    (*matrix)[2][1] = translate.y;
    return true;
}

bool Bone2D::generateRotationMatrix(float angle, float (*matrix)[3][3]) {
    if (!setIdentity(matrix)) {
        return false;
    }
    float sine = Math::getSinFloat(angle);
    float cosine = Math::getCosinFloat(angle);
    (*matrix)[0][0] = cosine;
    (*matrix)[0][1] = sine;
    (*matrix)[1][0] = -sine;
    (*matrix)[1][1] = cosine;
    return true;
}

bool Bone2D::generateScaleMatrix(size2f32 scale, float (*matrix)[3][3]) {
    if (!setIdentity(matrix)) {
        return false;
    }
    (*matrix)[0][0] = scale.width;
    (*matrix)[1][1] = scale.height;
    return true;
}

bool Bone2D::printMatrix(float (*matrix)[3]) {
    if (!matrix) {
        return false;
    }
    for (int r = 0; r < 3; r++) {
        printRow(matrix[0][r], matrix[1][r], matrix[2][r]);
    }
    return true;
}

bool Bone2D::printVector(float* vector) {
    if (!vector) {
        return false;
    }
    printRow(vector[0], vector[1], vector[2]);
    return true;
}

namespace {

// The point (x, y, 1) under the matrix; the point itself without one.
vec2f32 transformPoint(float (*matrix)[3][3], vec2f32 point) {
    if (!matrix) {
        return point;
    }
    float column[3] = {point.x, point.y, 1.f};
    Bone2D::multiplyMatrix(matrix, &column);
    return vec2f32(column[0], column[1]);
}

} // namespace

void placementMatrix(vec2f32 start, float angle, size2f32 scale, bool scaleFirst,
                     float (*matrix)[3][3]) {
    float translate[3][3], rotate[3][3], resize[3][3];
    Bone2D::generateTranslateMatrix(start, &translate);
    Bone2D::generateRotationMatrix(angle, &rotate);
    Bone2D::generateScaleMatrix(scale, &resize);
    // The identity with each factor multiplied on from the left.
    Bone2D::setIdentity(matrix);
    Bone2D::multiplyMatrix(scaleFirst ? &resize : &rotate, matrix);
    Bone2D::multiplyMatrix(scaleFirst ? &rotate : &resize, matrix);
    Bone2D::multiplyMatrix(&translate, matrix);
}

void Bone2D::updateObjects(float parentAngle, size2f32 scale, float (*parentMatrix)[3][3],
                           float angleRemove, float angleMultiply) {
    float worldAngle = parentAngle + angle * angleMultiply;
    float matrix[3][3];
    placementMatrix(transformPoint(parentMatrix, position), worldAngle, scale, true, &matrix);

    copyMatrix(&matrix, &objects.matrix);
    objects.angle = worldAngle;
    objects.angleRemove = angleRemove;
    objects.angleMultiply = angleMultiply;
    objects.scale = scale;
    objects.update();

    for (unsigned int at = 0; at < nexts.size(); at++) {
        if (Bone2D* next = getNextInPosition(at)) {
            next->updateObjects(worldAngle, scale, &matrix, angleRemove, angleMultiply);
        }
    }
}

float Bone2D::worldPlacement(float parentAngle, size2f32 scale, float (*parentMatrix)[3][3],
                             vec2f32* start, float (*matrix)[3][3]) {
    float worldAngle = parentAngle + angle;
    *start = transformPoint(parentMatrix, position);
    placementMatrix(*start, worldAngle, scale, false, matrix);
    return worldAngle;
}

vec2f32 Bone2D::getWorldVector(Bone2D* target, bool* found, float parentAngle, size2f32 scale,
                               float (*parentMatrix)[3][3]) {
    bool ownFound = false;
    if (!found) {
        found = &ownFound;
    }
    if (!target) {
        return vec2f32();
    }
    vec2f32 start;
    float matrix[3][3];
    float worldAngle = worldPlacement(parentAngle, scale, parentMatrix, &start, &matrix);
    if (target == this) {
        *found = true;
        return transformPoint(&matrix, vector);
    }
    for (unsigned int at = 0; at < nexts.size(); at++) {
        Bone2D* next = getNextInPosition(at);
        if (!next) {
            continue;
        }
        vec2f32 end = next->getWorldVector(target, found, worldAngle, scale, &matrix);
        if (*found) {
            return end;
        }
    }
    return vec2f32();
}

vec2f32 Bone2D::calculateInverseKinematic(Bone2D* target, bool* found, vec2f32 goal,
                                          unsigned int tail, unsigned int* count, float parentAngle,
                                          size2f32 scale, float (*parentMatrix)[3][3]) {
    bool ownFound = false;
    unsigned int ownCount = 0;
    if (!found) {
        found = &ownFound;
    }
    if (!count) {
        count = &ownCount;
    }
    if (!target) {
        return vec2f32();
    }
    vec2f32 start;
    float matrix[3][3];
    float worldAngle = worldPlacement(parentAngle, scale, parentMatrix, &start, &matrix);
    if (target == this) {
        *found = true;
        *count = 0;
    }
    for (unsigned int at = 0; !*found && at < nexts.size(); at++) {
        if (Bone2D* next = getNextInPosition(at)) {
            next->calculateInverseKinematic(target, found, goal, tail, count, worldAngle, scale,
                                            &matrix);
        }
    }
    if (*found && *count < tail) {
        vec2f32 end = getWorldVector(target, nullptr, parentAngle, scale, parentMatrix);
        angle += Math::getAngle2f(goal - start) - Math::getAngle2f(end - start);
        if (angle < 0.f) {
            angle += 360.f;
        }
        if (angle > 360.f) {
            angle -= 360.f;
        }
        *count += 1;
    }
    return vec2f32();
}

Bone2D::ObjectConnect::ObjectConnect(Object2DValues* object)
    : position(object ? object->position : vec2f32()), angle(object ? object->angle : 0.f),
      size(object ? object->size : size2f32()), object(object) {}

Bone2D::TreeObjects::TreeObjects()
    : angle(0.f), angleRemove(0.f), angleMultiply(1.f), scale(1.f, 1.f) {
    setIdentity(&matrix);
}

Bone2D::TreeObjects::~TreeObjects() {
    if (!dontDestruct) {
        deleteRecords();
    }
}

void Bone2D::TreeObjects::clean() {
    deleteRecords();
}

void Bone2D::TreeObjects::deleteRecords() {
    walk(true, [](zelk::vector::BinaryLeaf<ObjectConnect*>* node) {
        delete node->value;
        node->value = nullptr;
        return true;
    });
    BinaryTree<ObjectConnect*>::clean();
}

bool Bone2D::TreeObjects::firstBiggerSecond(ObjectConnect* first, ObjectConnect* second) {
    return first && second &&
           reinterpret_cast<std::uintptr_t>(first->object) >
               reinterpret_cast<std::uintptr_t>(second->object);
}

bool Bone2D::TreeObjects::firstEqualSecond(ObjectConnect* first, ObjectConnect* second) {
    return first && second && first->object == second->object;
}

void Bone2D::TreeObjects::updateElement(ObjectConnect* connect) {
    if (!connect || !connect->object) {
        return;
    }
    Object2DValues* object = connect->object;
    object->position = transformPoint(&matrix, connect->position);
    float turn = angle + connect->angle * angleMultiply;
    if (scale.width != scale.height) {
        // The direction the unequal scale gives the turned x axis.
        turn = Math::getAngle2f(Math::getCosinFloat(turn) * scale.width,
                                Math::getSinFloat(turn) * scale.height);
    }
    if (!object->fixedRotation) {
        object->angle = angleMultiply * turn - angleRemove;
    }
    object->size = connect->size * scale;
}

bool Bone2D::TreeObjects::addObject(Object2DValues* object) {
    if (!object) {
        return false;
    }
    ObjectConnect* record = new ObjectConnect(object);
    if (!add(record)) {
        delete record;
        return false;
    }
    return true;
}

bool Bone2D::TreeObjects::removeObject(Object2DValues* object) {
    ObjectConnect probe(object);
    return object && removeRecord(getElement(&probe));
}

bool Bone2D::TreeObjects::removeObjectInPosition(unsigned int position) {
    return removeRecord(getElementInPosition(position));
}

bool Bone2D::TreeObjects::removeRecord(ObjectConnect* record) {
    if (!record || !remove(record)) {
        return false;
    }
    delete record;
    return true;
}

} // namespace bones
} // namespace zelk
