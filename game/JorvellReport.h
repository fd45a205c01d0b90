#ifndef JORVELL_REPORT_H
#define JORVELL_REPORT_H

#include "zelk/FileReport.h"

#include <set>
#include <string>

// What the player learns of the game's data files. Each file the engine's
// loaders or the game itself could not use gets one line on standard error,
// naming it and saying what is wrong with it, the first time only:
//
//     jorvell: ./player/cenarioWin64.xml: not a readable document
//
// The game goes on as it would have anyway; standard output is not touched.
// It listens from its construction to its destruction.
class JorvellReport : public zelk::FileReport::Listener {
public:
    JorvellReport();
    ~JorvellReport();
    JorvellReport(const JorvellReport&) = delete;
    JorvellReport& operator=(const JorvellReport&) = delete;

    void fileFailed(const char* path, zelk::FileReport::Problem problem) override;

private:
    std::set<std::string> told;
};

#endif
