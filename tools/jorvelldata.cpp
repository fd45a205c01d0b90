// Makes every data file Jorvell reads, from code alone, into one folder:
//
//   jorvelldata folder
//
// The pictures, the music, the jump sound, the mannequin's fifteen parts and
// its motion file. Everything random is seeded, so each run writes the same
// bytes.

#include "jorvelldata/Mannequin.h"
#include "jorvelldata/Motion.h"
#include "jorvelldata/Music.h"
#include "jorvelldata/Pictures.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    std::string player = folder + "/player";
    std::error_code error;
    std::filesystem::create_directories(player, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot make %s\n", argv[0], player.c_str());
        return 1;
    }
    using namespace jorvelldata;
    const std::vector<std::pair<std::string, std::function<bool(const std::string&)>>> files = {
        {folder + "/JorvellTitle.png", writeTitle},
        {folder + "/templateTexture1024x1024.jpg", writeTemplateTexture},
        {folder + "/templateTileSet.png", writeTileSet},
        {folder + "/zelkButton.png", writeButton},
        {folder + "/wait.png", writeWaitSign},
        {folder + "/little town - orchestral.ogg", writeMusic},
        {player + "/playerJump.ogg", writeJumpSound},
        {player + "/WoodManequinAnimation2.bvh", writeMotion},
        {player, writeBodyParts},
    };
    int failures = 0;
    for (const auto& [path, write] : files) {
        if (!write(path)) {
            std::fprintf(stderr, "%s: could not write %s\n", argv[0], path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
