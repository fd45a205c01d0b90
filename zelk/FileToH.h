#ifndef ZELK_FILETOH_H
#define ZELK_FILETOH_H

namespace zelk {

// Turns a file into a C header and source that hold its bytes as an
// initialised array with its size and name, so a program can carry the file
// compiled in. For "logo.png" it writes "logo.h" and "logo.c" beside it,
// declaring logoSize, logoName and logo. The header defines the three
// symbols itself, so it is included by one source file only.
class FileToH {
public:
    FileToH() {}

    // lineSize: values per line of the array before it breaks (0 means 10).
    // True exactly when the source was written; an empty or unreadable input,
    // or one named like an output ("x.h", "x.c"), writes nothing.
    static bool writeToFile(char* path, unsigned int lineSize);
    static bool writeToFile(const char* path, unsigned int lineSize);
    // The same with the engine's own type names.
    static bool writeToZELKFile(char* path, unsigned int lineSize);
    static bool writeToZELKFile(const char* path, unsigned int lineSize);

    // The path before the '.' of its extension, as a new array the caller
    // deletes; null when the file name has no extension or starts with its
    // only '.'.
    static char* readFileName(char* path);
    static char* readFileName(const char* path);
};

} // namespace zelk

#endif
