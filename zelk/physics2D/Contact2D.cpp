#include "zelk/physics2D/Contact2D.h"

#include <algorithm>
#include <cstdint>

namespace zelk {
namespace physics2D {

Contact2D::Contact2D(void* contactPointer)
    : objectA(nullptr), objectB(nullptr), polygonA(0), polygonB(0), speedA(0.0f), speedB(0.0f),
      positions(), positionsA(), positionsB(), impulses(), points(0),
      contactPointer(contactPointer), enabled(true) {}

bool TreeConcacts::firstBiggerSecond(Contact2D* first, Contact2D* second) {
    return reinterpret_cast<std::uintptr_t>(first->contactPointer) >
           reinterpret_cast<std::uintptr_t>(second->contactPointer);
}

bool TreeConcacts::firstEqualSecond(Contact2D* first, Contact2D* second) {
    return first->contactPointer == second->contactPointer;
}

bool TreeConcacts::addContact(Contact2D* contact) {
    if (!contact || getContact(contact->contactPointer) || !addBalanced(contact)) {
        return false;
    }
    insert(contact);
    return true;
}

bool TreeConcacts::removeContact(Contact2D* contact) {
    if (!contact || getContact(contact->contactPointer) != contact) {
        return false;
    }
    erase(probe(contact->contactPointer));
    return remove(contact);
}

void TreeConcacts::deleteContacts() {
    for (Slot& slot : slots) {
        delete slot.record;
    }
    slots.clear();
    used = 0;
    clean();
}

Contact2D* TreeConcacts::getContact(void* contactPointer) {
    return slots.empty() || !contactPointer ? nullptr : slots[probe(contactPointer)].record;
}

size_t TreeConcacts::home(void* key) const {
    std::uint64_t hash = (reinterpret_cast<std::uintptr_t>(key) >> 3) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(hash >> 32) & (slots.size() - 1);
}

size_t TreeConcacts::probe(void* key) const {
    size_t slot = home(key);
    while (slots[slot].key && slots[slot].key != key) {
        slot = (slot + 1) & (slots.size() - 1);
    }
    return slot;
}

void TreeConcacts::insert(Contact2D* record) {
    if ((used + 1) * 2 > slots.size()) {
        std::vector<Slot> old(std::max<size_t>(64, slots.size() * 2), Slot{nullptr, nullptr});
        old.swap(slots);
        for (const Slot& slot : old) {
            if (slot.key) {
                slots[probe(slot.key)] = slot;
            }
        }
    }
    slots[probe(record->contactPointer)] = Slot{record->contactPointer, record};
    used++;
}

void TreeConcacts::erase(size_t slot) {
    // Later slots of the same probe run move back into the hole, so that no
    // lookup stops early at it.
    size_t mask = slots.size() - 1;
    for (size_t next = (slot + 1) & mask; slots[next].key; next = (next + 1) & mask) {
        size_t wanted = home(slots[next].key);
        bool between =
            slot <= next ? (slot < wanted && wanted <= next) : (slot < wanted || wanted <= next);
        if (!between) {
            slots[slot] = slots[next];
            slot = next;
        }
    }
    slots[slot] = Slot{nullptr, nullptr};
    used--;
}

} // namespace physics2D
} // namespace zelk
