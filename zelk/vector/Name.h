#ifndef ZELK_VECTOR_NAME_H
#define ZELK_VECTOR_NAME_H

namespace zelk {
namespace vector {

// The owner of one heap copy of a text, base of every record found by its
// name. A member-by-member copy shares the text: its holder calls cantDelete()
// so that the copy's destruction keeps it.
class Name {
public:
    Name();
    explicit Name(char* text);
    explicit Name(const char* text);
    virtual ~Name();

    // The next destruction keeps the text.
    virtual void cantDelete();

    // Replaces the text with a copy; false (and no name) for null or empty.
    bool setName(char* text);
    bool setName(const char* text);
    void cleanName();
    void deleteName();

    // The stored text itself, null when there is none.
    char* name() { return nameString; }
    char* getName() { return nameString; }

    bool nameEqual(const char* text) const;
    bool nameBiggerThan(const char* text) const;

    // Byte-wise equality; false when either is null.
    static bool stringEqual(const char* first, const char* second);
    // The order of texts over signed bytes, the terminating NUL counting as 0;
    // false when either is null.
    static bool firstNameBiggerSecond(const char* first, const char* second);

protected:
    char* nameString;
    bool canDelete;
};

} // namespace vector
} // namespace zelk

#endif
