#include "zelk/FileReport.h"

#include "zelk/platform/Paths.h"

namespace zelk {

namespace {

FileReport::Listener* listening = nullptr;

} // namespace

void FileReport::setListener(Listener* listener) {
    listening = listener;
}

FileReport::Listener* FileReport::getListener() {
    return listening;
}

bool FileReport::report(const char* path, Problem problem) {
    if (!listening || !path) {
        return false;
    }
    listening->fileFailed(path, problem);
    return true;
}

bool FileReport::reportUnopened(const char* path) {
    return report(path, platform::pathExists(path) ? unreadable : missing);
}

const char* FileReport::describe(Problem problem) {
    switch (problem) {
    case missing:
        return "missing";
    case unreadable:
        return "cannot be read";
    case notDocument:
        return "not a readable document";
    case notMotion:
        return "not a motion file";
    case notPicture:
        return "not a picture";
    case notSound:
        return "not a sound";
    }
    return "cannot be used";
}

} // namespace zelk
