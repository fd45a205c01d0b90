#ifndef ZELK_BONES_BVHREADER_H
#define ZELK_BONES_BVHREADER_H

#include <string>
#include <vector>

namespace zelk {

class File;

namespace bones {

// The words of a BVH motion file, read from a zelk::File in blocks. A word
// is a run of characters between blanks (space, tab, CR, LF, NUL); the blanks
// before a word are skipped, and the one character that ends it is consumed,
// so a file in the strict layout (single separators) is cut exactly where
// a reader taking one separator at a time would cut it. Every text answered
// lives until the next read. The reader never reads past the end of the
// file, and when it goes it gives the bytes it read ahead back to the file.
class BVHReader {
public:
    explicit BVHReader(File* file);
    ~BVHReader();
    BVHReader(const BVHReader&) = delete;
    BVHReader& operator=(const BVHReader&) = delete;

    // Skips the UTF-8 byte-order mark when the next bytes are one.
    void skipByteOrderMark();
    // Skips blanks; true when nothing follows them.
    bool atEnd();
    // The next word; empty at the end of the file.
    const char* word();
    // The rest of the current line without the blanks at its ends; its line
    // feed is consumed.
    const char* restOfLine();
    // The rest of the line that begins with the next word: the last value of
    // a motion line, whose number is read from its start.
    const char* restOfLineFromWord();
    // Skips the block whose "{" was just read, up to its matching "}".
    void skipBlock();

private:
    // True when a byte is waiting, reading the next block when needed.
    bool available();
    // Skips blanks, line ends too when lines is set.
    void skipBlanks(bool lines);
    // The text up to a byte that stops it (consumed, not part of the text).
    template <typename Stops> const char* readUntil(Stops stops);

    File* file;
    std::vector<char> block;
    std::size_t length;
    std::size_t at;
    // The end of the file has been met.
    bool finished;
    std::string text;
};

} // namespace bones
} // namespace zelk

#endif
