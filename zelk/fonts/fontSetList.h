#ifndef ZELK_FONTS_FONTSETLIST_H
#define ZELK_FONTS_FONTSETLIST_H

#include "zelk/TypeColor.h"
#include "zelk/fonts/FontSet.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {
namespace fonts {

// The process-wide font sets, each loaded once per image name and filter and
// counted by its users; the last release frees it. Every object of the class
// reaches the one static tree, so users simply embed one. Main thread only,
// with the OpenGL context current. deleteAllFonts frees the sets whatever
// their users, who then hold dangling pointers: it is for shutting down.
class fontSetList {
public:
    // A font set with the count of its users.
    class FontRetain : public FontSet {
    public:
        explicit FontRetain(unsigned int filter);
        ~FontRetain() override;

        void retain() { retainCount++; }
        // False when no use is left to give back.
        bool release();
        bool haveNoRetains() { return retainCount == 0; }

    protected:
        uint64 retainCount;
    };

    // The shared sets by filter, then by name. It owns its sets only through
    // deleteAllFontSet and removeImage: its own destruction frees only its
    // nodes.
    class TreeFont : public vector::BinaryTree<FontRetain*> {
    public:
        bool firstBiggerSecond(FontRetain* first, FontRetain* second) override;
        bool firstEqualSecond(FontRetain* first, FontRetain* second) override;
        void updateElement(FontRetain*) override {}

        // The set listed under (name, filter), or null.
        FontRetain* getFontSetByImage(char* name, unsigned int filter);
        // The set listed under (name, filter) with one more user, loaded on
        // first use with the colour (a listed set keeps the colour it was
        // loaded with); null when it does not load.
        FontRetain* loadFontImage(char* name, unsigned int filter, color4f32 color);
        FontRetain* loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                            unsigned int filter, color4f32 color);
        // One user less; the last one deletes the set. False when none is
        // listed under (name, filter).
        bool removeImage(char* name, unsigned int filter);
        bool removeFontSet(FontSet* set);
        void deleteAllFontSet();

    private:
        // Lists a set just loaded with its first user, or deletes it.
        FontRetain* listLoaded(FontRetain* set, bool loaded);
    };

    fontSetList() {}
    ~fontSetList() {}

    static FontSet* createFontSet(char* name, unsigned int filter, color4f32 color);
    static FontSet* createFontSet(const char* name, unsigned int filter, color4f32 color);
    static FontSet* createFontSetFromMemory(char* name, unsigned char* data, unsigned int size,
                                            unsigned int filter, color4f32 color);
    static FontSet* createFontSetFromMemory(const char* name, unsigned char* data,
                                            unsigned int size, unsigned int filter,
                                            color4f32 color);
    static bool removeFontSetByName(char* name, unsigned int filter);
    static bool removeFontSetByName(const char* name, unsigned int filter);
    static bool removeFontSet(FontSet* set);
    static void deleteAllFonts();

protected:
    static TreeFont tree;
};

} // namespace fonts
} // namespace zelk

#endif
