#include "JorvellReport.h"

#include <cstdio>

JorvellReport::JorvellReport() {
    zelk::FileReport::setListener(this);
}

JorvellReport::~JorvellReport() {
    if (zelk::FileReport::getListener() == this) {
        zelk::FileReport::setListener(nullptr);
    }
}

void JorvellReport::fileFailed(const char* path, zelk::FileReport::Problem problem) {
    if (told.insert(path).second) {
        std::fprintf(stderr, "jorvell: %s: %s\n", path, zelk::FileReport::describe(problem));
    }
}
