#include "zelk/Texture2D.h"

#include "zelk/GU.h"

namespace zelk {

Texture2D::Texture2D() : id(0), mode(0), filter(0) {}

Texture2D::~Texture2D() {
    deleteTexture();
    // Clears the holders while this class's cleanObject still answers for
    // them: the base would write a whole pointer into each 32-bit variable.
    removeAll();
}

// The shared object keeps its holders as pointer variables; a texture's are
// code variables, which only this class reads or writes.
ObjectWithName** Texture2D::asHolder(uint32* code) {
    return reinterpret_cast<ObjectWithName**>(code);
}

uint32* Texture2D::asCode(ObjectWithName** holder) {
    return reinterpret_cast<uint32*>(holder);
}

void Texture2D::saveObject(ObjectWithName** holder) {
    if (holder) {
        *asCode(holder) = id;
    }
}

void Texture2D::cleanObject(ObjectWithName** holder) {
    if (holder) {
        *asCode(holder) = 0;
    }
}

bool Texture2D::createTexture(unsigned int width, unsigned int height, unsigned int mode,
                              void* data, unsigned int filter) {
    deleteTexture();
    id = GU::guAllocTexture2D(width, height, mode, filter, data);
    if (id == 0) {
        return false;
    }
    size = size2ui32(width, height);
    this->mode = mode;
    this->filter = filter;
    return true;
}

bool Texture2D::drawToTexture(void* data) {
    return drawToTexture(data, filter);
}

bool Texture2D::drawToTexture(void* data, unsigned int filter) {
    if (id == 0 || size.width == 0 || size.height == 0 || mode == 0) {
        return false;
    }
    this->filter = filter;
    return GU::guDrawToTexture(id, size.width, size.height, mode, filter, data);
}

void Texture2D::deleteTexture() {
    if (id != 0) {
        deleteTextureID(id);
        id = 0;
    }
    size = size2ui32(0u, 0u);
    deleteName();
}

void Texture2D::deleteTextureID(unsigned int id) {
    if (id != 0) {
        GU::guDeleteTexture(id);
    }
}

Texture2D* Texture2D::retainObject(uint32* holder) {
    return ObjectWithName::retainObject(asHolder(holder)) ? this : nullptr;
}

bool Texture2D::releaseObject(uint32* holder) {
    return ObjectWithName::releaseObject(asHolder(holder));
}

} // namespace zelk
