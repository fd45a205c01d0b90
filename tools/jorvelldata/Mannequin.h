#ifndef JORVELLDATA_MANNEQUIN_H
#define JORVELLDATA_MANNEQUIN_H

#include "Shapes.h"

#include <string>
#include <vector>

// The wooden mannequin: its bones, and the picture of the part hung on each.
// Lengths are in world units; "upright" coordinates have x forward (the
// figure faces right) and y up, with the figure standing, arms hanging.
namespace jorvelldata {

struct BonePart {
    std::string name;
    // Empty for the root.
    std::string parent;
    // The joint's place from its parent's joint, upright.
    Vec offset;
    // The end of a bone that has no children, from its joint, upright.
    Vec end;
    // How the player hangs the part on its bone: the centre along the bone
    // and across it, and the size (across, along) the picture is drawn at.
    Vec place;
    Vec size;
};

// Every bone, each after its parent, children in order.
const std::vector<BonePart>& skeleton();
const BonePart* findBone(const std::string& name);

// Pixels per world unit of the part pictures.
constexpr float partPixels = 64.0f;
// How far the sole of a foot lies below the ankle, upright.
float soleDepth();
// The heel's and the toe's lowest points from the ankle, upright.
Vec heel();
Vec toe();

// Writes "<folder>/<name>.png" for every part; false when one fails.
bool writeBodyParts(const std::string& folder);

} // namespace jorvelldata

#endif
