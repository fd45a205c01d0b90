#include "zelk/physics2D/World2D.h"

namespace zelk {
namespace physics2D {

bool World2D::addContactCallback(ContactCallback2D* callback) {
    return callback && callbacks.add(callback);
}

bool World2D::removeContactCallback(ContactCallback2D* callback) {
    return callback && callbacks.remove(callback);
}

void World2D::dispatch(void (ContactCallback2D::*operation)(Contact2D*), Contact2D* contact) {
    unsigned int count = callbacks.size();
    for (unsigned int position = 0; position < count; position++) {
        if (ContactCallback2D* callback = callbacks.getElementInPosition(position)) {
            (callback->*operation)(contact);
        }
    }
}

void World2D::physicsContactBegin(Contact2D* contact) {
    contact2DBegin(contact);
    dispatch(&ContactCallback2D::contact2DBegin, contact);
}

void World2D::physicsContactEnd(Contact2D* contact) {
    contact2DEnd(contact);
    dispatch(&ContactCallback2D::contact2DEnd, contact);
}

void World2D::physicsContactKeepBegin(Contact2D* contact) {
    contact2DKeepBegin(contact);
    dispatch(&ContactCallback2D::contact2DKeepBegin, contact);
}

void World2D::physicsContactKeepEnd(Contact2D* contact) {
    contact2DKeepEnd(contact);
    dispatch(&ContactCallback2D::contact2DKeepEnd, contact);
}

void World2D::physicsSensorBegin(Contact2D* contact) {
    sensor2DBegin(contact);
    dispatch(&ContactCallback2D::sensor2DBegin, contact);
}

void World2D::physicsSensorEnd(Contact2D* contact) {
    sensor2DEnd(contact);
    dispatch(&ContactCallback2D::sensor2DEnd, contact);
}

void World2D::physicsSensorKeeping(Contact2D* contact) {
    sensor2DKeeping(contact);
    dispatch(&ContactCallback2D::sensor2DKeeping, contact);
}

Contact2D* World2D::getContact(unsigned int position) {
    return contacts.getElementInPosition(position);
}

} // namespace physics2D
} // namespace zelk
