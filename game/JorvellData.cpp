#include "JorvellData.h"

#include "zelk/File.h"

#include <initializer_list>

namespace jorvell {

const char* const levelDocument = "./player/cenarioWin64.xml";
const char* const motionFile = "./player/WoodManequinAnimation2.bvh";
const char* const jumpSound = "./player/playerJump.ogg";
const char* const music = "./little town - orchestral.ogg";
const char* const titlePicture = "JorvellTitle.png";
const char* const templatePicture = "templateTexture1024x1024.jpg";
const char* const tileSheet = "templateTileSet.png";
const char* const buttonStrip = "zelkButton.png";
const char* const waitSign = "wait.png";

bool dataFolderHere() {
    for (const char* file : {levelDocument, motionFile, jumpSound, music, titlePicture,
                             templatePicture, tileSheet, buttonStrip, waitSign}) {
        if (zelk::File::fileExist(file)) {
            return true;
        }
    }
    return false;
}

} // namespace jorvell
