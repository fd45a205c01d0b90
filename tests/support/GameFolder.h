#ifndef ZELK_TESTS_GAMEFOLDER_H
#define ZELK_TESTS_GAMEFOLDER_H

#include "support/TestSupport.h"

#include <string>

namespace zelk {
namespace test {

// The game reads its data by paths relative to the working folder. This
// makes a folder of the test's own that shows every file of a data folder
// (through links, sub-folders made for real), so a test may add or replace
// files there, and works in it for the object's life; the previous working
// folder comes back at the end.
class GameFolder {
public:
    explicit GameFolder(const std::string& data);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // The folder is made, filled and the working one.
    bool ready() const { return entered; }
    const std::string& path() const { return folder.path(); }
    // Puts a copy of the file at the name (relative to the folder), in place
    // of what the data folder showed there.
    bool replace(const std::string& name, const std::string& file);

private:
    TempDir folder;
    std::string previous;
    bool entered;
};

} // namespace test
} // namespace zelk

#endif
