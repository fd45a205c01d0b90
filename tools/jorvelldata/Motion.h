#ifndef JORVELLDATA_MOTION_H
#define JORVELLDATA_MOTION_H

#include <string>

// The mannequin's motion file: the skeleton of Mannequin.h and 50 frames of
// 0.04 s posed from a few key poses. The player's clips fall on frames:
// standing 0, starting to walk 0-10, the walk cycle 10-28 (frame 28 repeats
// frame 10), stopping 28-38, the take-off 38-41, in the air 41, landing 41-44,
// standing again up to 49.
//
// The file is laid out for the engine's strict reader: LF line ends, one
// space between the values of a line, the root's brace at the start of the
// line after "ROOT cintura". Its X axis points down and Z forward; the
// engine reads the X-Z plane and turns a "Yrotation" of r degrees into a
// bone angle of -r.
namespace jorvelldata {

constexpr int motionFrames = 50;

bool writeMotion(const std::string& path);

} // namespace jorvelldata

#endif
