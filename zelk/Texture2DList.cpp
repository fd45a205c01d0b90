#include "zelk/Texture2DList.h"

namespace zelk {

// Built in this order before main runs. At exit they free their nodes only:
// the entries still listed stay, since the OpenGL context is gone by then.
Texture2DList::TextureCodeTree Texture2DList::codeTree;
Texture2DList::NameFilterTree Texture2DList::nameTree;

Texture2DList::TextureCode::TextureCode() : filter(0), code(0), texture(nullptr), retainCount(0) {}

Texture2DList::TextureCode::~TextureCode() {
    deleteTexture();
}

bool Texture2DList::TextureCode::loadFromFile(char* name, unsigned int filter) {
    deleteTexture();
    texture = new Texture2DFile();
    return keepLoaded(texture->loadFromFile(name, filter), name, filter);
}

bool Texture2DList::TextureCode::loadFromMemory(char* name, unsigned char* data, unsigned int size,
                                                unsigned int filter) {
    deleteTexture();
    if (!name) {
        return false;
    }
    texture = new Texture2DFile();
    return keepLoaded(texture->loadFromMemory(data, size, filter), name, filter);
}

bool Texture2DList::TextureCode::keepLoaded(bool loaded, char* name, unsigned int filter) {
    if (!loaded || !setName(name)) {
        deleteTexture();
        return false;
    }
    code = texture->getID();
    this->filter = filter;
    return true;
}

void Texture2DList::TextureCode::deleteTexture() {
    delete texture;
    texture = nullptr;
    code = 0;
    filter = 0;
    deleteName();
}

void Texture2DList::TextureCode::retainTexture() {
    retainCount++;
}

bool Texture2DList::TextureCode::releaseTexture() {
    if (retainCount == 0) {
        return false;
    }
    retainCount--;
    return true;
}

bool Texture2DList::TextureCodeTree::firstBiggerSecond(TextureCode* first, TextureCode* second) {
    return first && second && first->code > second->code;
}

bool Texture2DList::TextureCodeTree::firstEqualSecond(TextureCode* first, TextureCode* second) {
    return first && second && first->code == second->code;
}

bool Texture2DList::NameFilterTree::firstBiggerSecond(TextureCode* first, TextureCode* second) {
    if (!first || !second || !first->name() || !second->name()) {
        return false;
    }
    if (first->filter != second->filter) {
        return first->filter > second->filter;
    }
    return vector::Name::firstNameBiggerSecond(first->name(), second->name());
}

bool Texture2DList::NameFilterTree::firstEqualSecond(TextureCode* first, TextureCode* second) {
    return first && second && first->filter == second->filter &&
           vector::Name::stringEqual(first->name(), second->name());
}

uint32 Texture2DList::loadTexture(char* name, unsigned int filter) {
    if (!name) {
        return 0;
    }
    uint32 shared = shareListed(name, filter);
    if (shared != 0) {
        return shared;
    }
    TextureCode* entry = new TextureCode();
    return listEntry(entry, entry->loadFromFile(name, filter));
}

uint32 Texture2DList::loadTexture(char const* name, unsigned int filter) {
    return loadTexture(const_cast<char*>(name), filter);
}

uint32 Texture2DList::loadTextureFromMemory(char* name, unsigned char* data, unsigned int size,
                                            unsigned int filter) {
    if (!name || !data || size == 0) {
        return 0;
    }
    uint32 shared = shareListed(name, filter);
    if (shared != 0) {
        return shared;
    }
    TextureCode* entry = new TextureCode();
    return listEntry(entry, entry->loadFromMemory(name, data, size, filter));
}

uint32 Texture2DList::loadTextureFromMemory(char const* name, unsigned char* data,
                                            unsigned int size, unsigned int filter) {
    return loadTextureFromMemory(const_cast<char*>(name), data, size, filter);
}

uint32 Texture2DList::shareListed(char* name, unsigned int filter) {
    TextureCode* listed = getTextureByName(name, filter);
    if (!listed) {
        return 0;
    }
    listed->retainTexture();
    return listed->code;
}

uint32 Texture2DList::listEntry(TextureCode* entry, bool loaded) {
    if (loaded && codeTree.add(entry)) {
        if (nameTree.add(entry)) {
            entry->retainTexture();
            return entry->code;
        }
        codeTree.remove(entry);
    }
    delete entry;
    return 0;
}

bool Texture2DList::retainTexture(unsigned int code) {
    TextureCode* entry = getTextureByCode(code);
    if (!entry) {
        return false;
    }
    entry->retainTexture();
    return true;
}

bool Texture2DList::removeTexture(unsigned int code) {
    return removeEntry(getTextureByCode(code));
}

bool Texture2DList::removeTexture(char* name, unsigned int filter) {
    return removeEntry(getTextureByName(name, filter));
}

bool Texture2DList::removeTexture(char const* name, unsigned int filter) {
    return removeTexture(const_cast<char*>(name), filter);
}

bool Texture2DList::deleteTexture(unsigned int code) {
    return deleteEntry(getTextureByCode(code));
}

bool Texture2DList::deleteTexture(char* name, unsigned int filter) {
    return deleteEntry(getTextureByName(name, filter));
}

bool Texture2DList::deleteTexture(char const* name, unsigned int filter) {
    return deleteTexture(const_cast<char*>(name), filter);
}

void Texture2DList::deleteAllTextures() {
    while (codeTree.haveRoot()) {
        if (!deleteEntry(codeTree.getElementInPosition(0))) {
            return;
        }
    }
}

bool Texture2DList::removeEntry(TextureCode* entry) {
    if (!entry) {
        return false;
    }
    if (entry->haveOneRetain()) {
        entry->releaseTexture();
        return deleteEntry(entry);
    }
    entry->releaseTexture();
    return true;
}

bool Texture2DList::deleteEntry(TextureCode* entry) {
    if (!entry) {
        return false;
    }
    codeTree.remove(entry);
    nameTree.remove(entry);
    delete entry;
    return true;
}

Texture2DList::TextureCode* Texture2DList::getTextureByName(char* name, unsigned int filter) {
    if (!name) {
        return nullptr;
    }
    TextureCode probe;
    probe.setName(name);
    probe.filter = filter;
    return nameTree.getElement(&probe);
}

Texture2DList::TextureCode* Texture2DList::getTextureByCode(unsigned int code) {
    if (code == 0) {
        return nullptr;
    }
    TextureCode probe;
    probe.code = code;
    return codeTree.getElement(&probe);
}

size2ui32 Texture2DList::sizeOf(TextureCode* entry) {
    if (!entry || !entry->texture) {
        return size2ui32();
    }
    return entry->texture->getSize();
}

size2ui32 Texture2DList::getTextureSize(unsigned int code) {
    return sizeOf(getTextureByCode(code));
}

size2ui32 Texture2DList::getTextureSize(char* name, unsigned int filter) {
    return sizeOf(getTextureByName(name, filter));
}

size2ui32 Texture2DList::getTextureSize(char const* name, unsigned int filter) {
    return getTextureSize(const_cast<char*>(name), filter);
}

uint32 Texture2DList::getTextureWidth(unsigned int code) {
    return getTextureSize(code).width;
}

uint32 Texture2DList::getTextureWidth(char* name, unsigned int filter) {
    return getTextureSize(name, filter).width;
}

uint32 Texture2DList::getTextureWidth(char const* name, unsigned int filter) {
    return getTextureSize(name, filter).width;
}

uint32 Texture2DList::getTextureHeight(unsigned int code) {
    return getTextureSize(code).height;
}

uint32 Texture2DList::getTextureHeight(char* name, unsigned int filter) {
    return getTextureSize(name, filter).height;
}

uint32 Texture2DList::getTextureHeight(char const* name, unsigned int filter) {
    return getTextureSize(name, filter).height;
}

char* Texture2DList::getTextureName(unsigned int code) {
    TextureCode* entry = getTextureByCode(code);
    return entry ? entry->name() : nullptr;
}

uint32 Texture2DList::getTextureFilter(unsigned int code) {
    TextureCode* entry = getTextureByCode(code);
    return entry ? entry->filter : 0;
}

bool Texture2DList::haveTexture(unsigned int code) {
    return getTextureByCode(code) != nullptr;
}

bool Texture2DList::haveTexture(char* name, unsigned int filter) {
    return getTextureByName(name, filter) != nullptr;
}

bool Texture2DList::haveTexture(char const* name, unsigned int filter) {
    return haveTexture(const_cast<char*>(name), filter);
}

} // namespace zelk
