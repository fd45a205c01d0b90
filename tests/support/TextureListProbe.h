#ifndef ZELK_TESTS_TEXTURELISTPROBE_H
#define ZELK_TESTS_TEXTURELISTPROBE_H

#include "zelk/Texture2DList.h"

namespace zelk {
namespace test {

// Looks into the shared texture list: how many entries each of its two trees
// holds and how many uses a code has.
struct TextureListProbe : Texture2DList {
    static unsigned int byCode() { return codeTree.size(); }
    static unsigned int byName() { return nameTree.size(); }
    // 0 for an unlisted code.
    static unsigned int uses(unsigned int code) {
        TextureCode* entry = getTextureByCode(code);
        return entry ? entry->retainCount : 0;
    }
};

} // namespace test
} // namespace zelk

#endif
