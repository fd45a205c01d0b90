#ifndef ZELK_PLATFORM_PATHS_H
#define ZELK_PLATFORM_PATHS_H

namespace zelk {
namespace platform {

// Whether the path names a regular file. Readers ask before opening, because
// opening a pipe for reading would wait for a writer and a directory holds no
// bytes to read.
bool isRegularFile(const char* path);

// Whether anything at all is at the path (a file, a folder, a pipe, a link
// to something that exists), readable or not.
bool pathExists(const char* path);

// Whether both paths name one existing file, however each is spelt (relative
// or absolute, through links or extra separators).
bool sameFile(const char* first, const char* second);

} // namespace platform
} // namespace zelk

#endif
