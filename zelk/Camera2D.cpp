#include "zelk/Camera2D.h"

#include "zelk/GU.h"

namespace zelk {

namespace {

const unsigned int projectionMatrix = 5889;

// Adds d to a stored float in double precision.
float addDouble(float value, double d) {
    return static_cast<float>(static_cast<double>(value) + d);
}

} // namespace

Camera2D::Camera2D() {
    start();
}

Camera2D::Camera2D(vec2f32 position) {
    start();
    this->position = position;
}

Camera2D::Camera2D(float x, float y) {
    start();
    position = vec2f32(x, y);
}

void Camera2D::start() {
    position = vec2f32(0.f, 0.f);
    setSize(1.f, 1.f);
}

bool Camera2D::setSize(size2f32 size) {
    if (!(size.width > 0.f && size.height > 0.f)) {
        return false;
    }
    halfSize = size * 0.5f;
    return true;
}

bool Camera2D::setSize(float width, float height) {
    return setSize(size2f32(width, height));
}

bool Camera2D::setRect(rectf32 rect) {
    if (rect.size.width == 0.f || rect.size.height == 0.f) {
        return false;
    }
    position =
        vec2f32(rect.origin.x + rect.size.width * 0.5f, rect.origin.y + rect.size.height * 0.5f);
    halfSize = rect.size * 0.5f;
    return true;
}

bool Camera2D::setRect(vec2f32 origin, size2f32 size) {
    return setRect(rectf32(origin.x, origin.y, size.width, size.height));
}

bool Camera2D::setRect(float x, float y, float width, float height) {
    return setRect(vec2f32(x, y), size2f32(width, height));
}

bool Camera2D::setPoints(vec2f32 first, vec2f32 second) {
    if (!(second.x > first.x && second.y > first.y)) {
        return false;
    }
    halfSize = size2f32((second.x - first.x) * 0.5f, (second.y - first.y) * 0.5f);
    position = vec2f32(first.x + halfSize.width, first.y + halfSize.height);
    return true;
}

bool Camera2D::setPoints(float x1, float y1, float x2, float y2) {
    return setPoints(vec2f32(x1, y1), vec2f32(x2, y2));
}

size2f32 Camera2D::getSize() {
    return halfSize * 2.f;
}

rectf32 Camera2D::getRect() {
    return rectf32(position.x - halfSize.width, position.y - halfSize.height,
                   halfSize.width + halfSize.width, halfSize.height + halfSize.height);
}

void Camera2D::draw() {
    if (!GU::guUsingMatrix(projectionMatrix)) {
        GU::guUseMatrix(projectionMatrix);
    }
    const float x = position.x, y = position.y;
    const float w = halfSize.width, h = halfSize.height;
    GU::guUseOrtho(x - w * 3.f, x + w, y - h * 3.f, y + h, -1.f, 1.f);
}

void Camera2D::moveLeft(float d) {
    position.x -= d;
}

void Camera2D::moveLeft(double d) {
    position.x = addDouble(position.x, -d);
}

void Camera2D::moveRight(float d) {
    position.x += d;
}

void Camera2D::moveRight(double d) {
    position.x = addDouble(position.x, d);
}

void Camera2D::moveUp(float d) {
    position.y += d;
}

void Camera2D::moveUp(double d) {
    position.y = addDouble(position.y, d);
}

void Camera2D::moveDown(float d) {
    position.y -= d;
}

void Camera2D::moveDown(double d) {
    position.y = addDouble(position.y, -d);
}

void Camera2D::move(vec2f32 d) {
    position += d;
}

void Camera2D::move(float x, float y) {
    move(vec2f32(x, y));
}

void Camera2D::scaleX(float d) {
    halfSize.width += d * 0.5f;
}

void Camera2D::scaleX(double d) {
    halfSize.width = addDouble(halfSize.width, d * 0.5);
}

void Camera2D::scaleY(float d) {
    halfSize.height += d * 0.5f;
}

void Camera2D::scaleY(double d) {
    halfSize.height = addDouble(halfSize.height, d * 0.5);
}

} // namespace zelk
