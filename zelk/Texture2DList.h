#ifndef ZELK_TEXTURE2DLIST_H
#define ZELK_TEXTURE2DLIST_H

#include "zelk/Texture2DFile.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Name.h"

namespace zelk {

// The process-wide list of shared textures, keyed by file name (or the name
// given to an image in memory) together with the OpenGL filter. Loading a
// listed key again hands out the same texture and counts one more use; the
// last removal deletes it. Callers hold the texture's OpenGL code, 0 for
// none. Every object of the class reaches the same two lists, so users simply
// embed one. Main thread only, with the OpenGL context current; entries still
// listed when the process ends are not deleted, as the context is gone then.
class Texture2DList {
public:
    // One shared texture: its key (the name and the filter), the texture
    // object it owns, its code and its use count.
    class TextureCode : public vector::Name {
    public:
        TextureCode();
        ~TextureCode() override;
        TextureCode(const TextureCode&) = delete;
        TextureCode& operator=(const TextureCode&) = delete;

        // Replace the texture; on failure the entry is left empty.
        bool loadFromFile(char* name, unsigned int filter);
        bool loadFromMemory(char* name, unsigned char* data, unsigned int size,
                            unsigned int filter);
        // Deletes the texture, the code, the filter and the name; the use
        // count stays.
        void deleteTexture();

        void retainTexture();
        // False when no use is left to give back.
        bool releaseTexture();
        bool haveOneRetain() const { return retainCount < 2; }

        uint32 filter;
        uint32 code;
        Texture2DFile* texture;
        uint32 retainCount;

    private:
        // Keeps the texture just loaded under the key, or empties the entry.
        bool keepLoaded(bool loaded, char* name, unsigned int filter);
    };

    // Entries by code.
    class TextureCodeTree : public vector::BinaryTree<TextureCode*> {
    public:
        bool firstBiggerSecond(TextureCode* first, TextureCode* second) override;
        bool firstEqualSecond(TextureCode* first, TextureCode* second) override;
    };

    // Entries by filter, then by name.
    class NameFilterTree : public vector::BinaryTree<TextureCode*> {
    public:
        bool firstBiggerSecond(TextureCode* first, TextureCode* second) override;
        bool firstEqualSecond(TextureCode* first, TextureCode* second) override;
    };

    Texture2DList() {}
    ~Texture2DList() {}

    // The code of the texture shared under (name, filter), loaded on first
    // use; takes one use. 0 on failure.
    static uint32 loadTexture(char* name, unsigned int filter);
    static uint32 loadTexture(char const* name, unsigned int filter);
    // The same for an encoded image in memory; a listed name is shared
    // without looking at the data.
    static uint32 loadTextureFromMemory(char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter);
    static uint32 loadTextureFromMemory(char const* name, unsigned char* data, unsigned int size,
                                        unsigned int filter);

    // One more use; false for an unlisted code.
    static bool retainTexture(unsigned int code);
    // Gives back one use; the last one deletes the texture.
    static bool removeTexture(unsigned int code);
    static bool removeTexture(char* name, unsigned int filter);
    static bool removeTexture(char const* name, unsigned int filter);
    // Deletes the texture whatever its use count.
    static bool deleteTexture(unsigned int code);
    static bool deleteTexture(char* name, unsigned int filter);
    static bool deleteTexture(char const* name, unsigned int filter);
    static void deleteAllTextures();

    // (1, 1) for an unlisted key.
    static size2ui32 getTextureSize(unsigned int code);
    static size2ui32 getTextureSize(char* name, unsigned int filter);
    static size2ui32 getTextureSize(char const* name, unsigned int filter);
    static uint32 getTextureWidth(unsigned int code);
    static uint32 getTextureWidth(char* name, unsigned int filter);
    static uint32 getTextureWidth(char const* name, unsigned int filter);
    static uint32 getTextureHeight(unsigned int code);
    static uint32 getTextureHeight(char* name, unsigned int filter);
    static uint32 getTextureHeight(char const* name, unsigned int filter);

    // The entry's own name text, valid while it is listed; null when unlisted.
    static char* getTextureName(unsigned int code);
    // 0 when unlisted.
    static uint32 getTextureFilter(unsigned int code);

    static bool haveTexture(unsigned int code);
    static bool haveTexture(char* name, unsigned int filter);
    static bool haveTexture(char const* name, unsigned int filter);

protected:
    // The listed entry, or null.
    static TextureCode* getTextureByName(char* name, unsigned int filter);
    static TextureCode* getTextureByCode(unsigned int code);

    static TextureCodeTree codeTree;
    static NameFilterTree nameTree;

private:
    // The code of the entry listed under the key, with one more use; 0 when
    // none is.
    static uint32 shareListed(char* name, unsigned int filter);
    // Lists a loaded entry with its first use; deletes it when it cannot.
    static uint32 listEntry(TextureCode* entry, bool loaded);
    // Work on a listed entry; false for null.
    static bool removeEntry(TextureCode* entry);
    static bool deleteEntry(TextureCode* entry);
    static size2ui32 sizeOf(TextureCode* entry);
};

} // namespace zelk

#endif
