#ifndef JORVELL_DATA_H
#define JORVELL_DATA_H

// The game's data files, by the paths it reads them at: relative to its data
// folder, which must be the working folder. Besides these, the mannequin's
// parts are "./player/<part>.png".
namespace jorvell {

extern const char* const levelDocument;
extern const char* const motionFile;
extern const char* const jumpSound;
extern const char* const music;
extern const char* const titlePicture;
extern const char* const templatePicture;
extern const char* const tileSheet;
extern const char* const buttonStrip;
extern const char* const waitSign;

// Whether any of the files above is in the working folder: false when the
// game was started somewhere else.
bool dataFolderHere();

} // namespace jorvell

#endif
