#include "zelk/fonts/fontSetList.h"

namespace zelk {
namespace fonts {

fontSetList::TreeFont fontSetList::tree;

fontSetList::FontRetain::FontRetain(unsigned int filter) : FontSet(filter), retainCount(0) {}

fontSetList::FontRetain::~FontRetain() {
    retainCount = 0;
}

bool fontSetList::FontRetain::release() {
    if (retainCount == 0) {
        return false;
    }
    retainCount--;
    return true;
}

bool fontSetList::TreeFont::firstBiggerSecond(FontRetain* first, FontRetain* second) {
    if (!first || !second) {
        return false;
    }
    if (first->getFilter() != second->getFilter()) {
        return first->getFilter() > second->getFilter();
    }
    return first->nameBiggerThan(second->getName());
}

bool fontSetList::TreeFont::firstEqualSecond(FontRetain* first, FontRetain* second) {
    return first && second && first->getFilter() == second->getFilter() &&
           first->nameEqualThan(second->getName());
}

fontSetList::FontRetain* fontSetList::TreeFont::getFontSetByImage(char* name, unsigned int filter) {
    FontRetain probe(filter);
    if (!probe.setName(name)) {
        return nullptr;
    }
    return getElement(&probe);
}

fontSetList::FontRetain* fontSetList::TreeFont::loadFontImage(char* name, unsigned int filter,
                                                              color4f32 color) {
    if (!name) {
        return nullptr;
    }
    if (FontRetain* listed = getFontSetByImage(name, filter)) {
        listed->retain();
        return listed;
    }
    FontRetain* set = new FontRetain(0);
    return listLoaded(set, set->loadFontImage(name, filter, color));
}

fontSetList::FontRetain*
fontSetList::TreeFont::loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                               unsigned int filter, color4f32 color) {
    if (!name || !data) {
        return nullptr;
    }
    if (FontRetain* listed = getFontSetByImage(name, filter)) {
        listed->retain();
        return listed;
    }
    FontRetain* set = new FontRetain(0);
    return listLoaded(set, set->loadFontImageFromMemory(name, data, size, filter, color));
}

fontSetList::FontRetain* fontSetList::TreeFont::listLoaded(FontRetain* set, bool loaded) {
    if (!loaded || !add(set)) {
        delete set;
        return nullptr;
    }
    set->retain();
    return set;
}

bool fontSetList::TreeFont::removeImage(char* name, unsigned int filter) {
    FontRetain* set = name ? getFontSetByImage(name, filter) : nullptr;
    if (!set) {
        return false;
    }
    set->release();
    if (!set->haveNoRetains()) {
        return true;
    }
    remove(set);
    delete set;
    return true;
}

bool fontSetList::TreeFont::removeFontSet(FontSet* set) {
    return set && removeImage(set->getName(), set->getFilter());
}

void fontSetList::TreeFont::deleteAllFontSet() {
    walk(true, [](vector::BinaryLeaf<FontRetain*>* node) {
        delete node->value;
        node->value = nullptr;
        return true;
    });
    clean();
}

FontSet* fontSetList::createFontSet(char* name, unsigned int filter, color4f32 color) {
    return tree.loadFontImage(name, filter, color);
}

FontSet* fontSetList::createFontSet(const char* name, unsigned int filter, color4f32 color) {
    return createFontSet(const_cast<char*>(name), filter, color);
}

FontSet* fontSetList::createFontSetFromMemory(char* name, unsigned char* data, unsigned int size,
                                              unsigned int filter, color4f32 color) {
    return tree.loadFontImageFromMemory(name, data, size, filter, color);
}

FontSet* fontSetList::createFontSetFromMemory(const char* name, unsigned char* data,
                                              unsigned int size, unsigned int filter,
                                              color4f32 color) {
    return createFontSetFromMemory(const_cast<char*>(name), data, size, filter, color);
}

bool fontSetList::removeFontSetByName(char* name, unsigned int filter) {
    return tree.removeImage(name, filter);
}

bool fontSetList::removeFontSetByName(const char* name, unsigned int filter) {
    return removeFontSetByName(const_cast<char*>(name), filter);
}

bool fontSetList::removeFontSet(FontSet* set) {
    return tree.removeFontSet(set);
}

void fontSetList::deleteAllFonts() {
    tree.deleteAllFontSet();
}

} // namespace fonts
} // namespace zelk
