#include "zelk/platform/Paths.h"

#include <sys/stat.h>

namespace zelk {
namespace platform {

bool isRegularFile(const char* path) {
    struct stat status {};
    return path && stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

bool pathExists(const char* path) {
    struct stat status {};
    return path && stat(path, &status) == 0;
}

bool sameFile(const char* first, const char* second) {
    struct stat a {};
    struct stat b {};
    return first && second && stat(first, &a) == 0 && stat(second, &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace platform
} // namespace zelk
