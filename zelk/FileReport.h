#ifndef ZELK_FILEREPORT_H
#define ZELK_FILEREPORT_H

#include "zelk/TypeVars.h"

namespace zelk {

// Where the engine's loaders say which data file they could not use and why:
// the XML documents, pictures, sounds and BVH motion files they read by path.
// The engine prints nothing of its own; a program whose users should learn
// what went wrong sets one listener for the whole process. A report changes
// nothing else: the loader answers its failure as it always does, and a
// later try of the same file is made (and reported) again.
//
// Loading and so reporting happen on one thread, the one that holds the
// OpenGL context.
class FileReport {
public:
    enum Problem : uint8 {
        // Nothing is at the path.
        missing,
        // Something is there, but it cannot be read as a file.
        unreadable,
        notDocument,
        notMotion,
        notPicture,
        notSound,
    };

    // Listeners are registered by pointer and never deleted through this
    // class.
    class Listener {
    public:
        // The path as the loader was given it.
        virtual void fileFailed(const char* path, Problem problem) = 0;

    protected:
        ~Listener() = default;
    };

    // Null stops the reports.
    static void setListener(Listener* listener);
    static Listener* getListener();
    // Tells the listener; false when nobody listens or the path is null.
    static bool report(const char* path, Problem problem);
    // For a path that could not be opened: missing when nothing is there,
    // else unreadable.
    static bool reportUnopened(const char* path);
    // The problem in a few words a player can read ("missing",
    // "not a picture", ...).
    static const char* describe(Problem problem);
};

} // namespace zelk

#endif
