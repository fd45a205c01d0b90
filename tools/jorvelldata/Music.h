#ifndef JORVELLDATA_MUSIC_H
#define JORVELLDATA_MUSIC_H

#include <string>

// The game's sounds, synthesised and written as OGG Vorbis at 44100 Hz.
namespace jorvelldata {

// Eight bars in C major at 100 beats a minute (19.2 s, stereo): a flute
// tune over a string pad, plucked bass and a harp. Notes still sounding at
// the end ring on into the beginning, so the loop has no seam.
bool writeMusic(const std::string& path);
constexpr float musicSeconds = 19.2f;

// A rising blip of 0.22 s, mono.
bool writeJumpSound(const std::string& path);
constexpr float jumpSeconds = 0.22f;

} // namespace jorvelldata

#endif
