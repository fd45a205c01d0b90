#include "Motion.h"

#include "Mannequin.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <vector>

namespace jorvelldata {

namespace {

// Bone angles in degrees, counter-clockwise on screen with the figure facing
// right: a hanging limb swings forward, a knee or elbow bends by a negative
// (knee) or positive (elbow) angle, the chest leans back for a positive one.
// Unnamed bones stay at 0.
struct Pose {
    std::map<std::string, float> angles;
    // Whether the feet stand on the ground: the hips are then lowered until
    // the lowest sole touches it.
    bool grounded = true;

    float angle(const std::string& bone) const {
        auto found = angles.find(bone);
        return found == angles.end() ? 0.0f : found->second;
    }
};

// The same pose with the right and left sides swapped.
Pose mirrored(const Pose& pose) {
    Pose out = pose;
    out.angles.clear();
    for (const auto& [bone, angle] : pose.angles) {
        std::string name = bone;
        std::size_t at = name.size() - 3;
        if (name.size() > 3 && name.compare(at, 3, "Dir") == 0) {
            name.replace(at, 3, "Esq");
        } else if (name.size() > 3 && name.compare(at, 3, "Esq") == 0) {
            name.replace(at, 3, "Dir");
        }
        out.angles[name] = angle;
    }
    return out;
}

const Pose standing = {{{"anteBracoDir", 5}, {"anteBracoEsq", 5}}};
const Pose stepRight = {{{"coxaDir", 25},
                         {"pernaDir", -5},
                         {"peDir", 10},
                         {"coxaEsq", -20},
                         {"pernaEsq", -15},
                         {"peEsq", -10},
                         {"bracoDir", -20},
                         {"anteBracoDir", 10},
                         {"bracoEsq", 20},
                         {"anteBracoEsq", 25},
                         {"peito", -3},
                         {"cabeca", 3}}};
const Pose passRight = {{{"coxaDir", -3},
                         {"pernaDir", -2},
                         {"peDir", 5},
                         {"coxaEsq", 12},
                         {"pernaEsq", -50},
                         {"peEsq", 15},
                         {"bracoDir", -3},
                         {"anteBracoDir", 12},
                         {"bracoEsq", 3},
                         {"anteBracoEsq", 15},
                         {"peito", -3},
                         {"cabeca", 3}}};
const Pose crouch = {{{"coxaDir", 45},
                      {"pernaDir", -80},
                      {"peDir", 35},
                      {"coxaEsq", 45},
                      {"pernaEsq", -80},
                      {"peEsq", 35},
                      {"bracoDir", -25},
                      {"anteBracoDir", 25},
                      {"bracoEsq", -25},
                      {"anteBracoEsq", 25},
                      {"peito", -12},
                      {"cabeca", 10}}};
const Pose airborne = {{{"coxaDir", 50},
                        {"pernaDir", -75},
                        {"peDir", 15},
                        {"coxaEsq", 25},
                        {"pernaEsq", -45},
                        {"peEsq", 10},
                        {"bracoDir", 140},
                        {"anteBracoDir", 15},
                        {"bracoEsq", 155},
                        {"anteBracoEsq", 15}},
                       false};
const Pose landing = {{{"coxaDir", 30},
                       {"pernaDir", -55},
                       {"peDir", 25},
                       {"coxaEsq", 30},
                       {"pernaEsq", -55},
                       {"peEsq", 25},
                       {"bracoDir", -15},
                       {"anteBracoDir", 20},
                       {"bracoEsq", -15},
                       {"anteBracoEsq", 20},
                       {"peito", -8},
                       {"cabeca", 6}}};

// A posed frame: every bone's angle and how far the hips are lowered.
struct Frame {
    std::map<std::string, float> angles;
    float hipsDown = 0.0f;
};

struct Key {
    float frame;
    Pose pose;
};

// A stretch of the timeline through its keys; a cycle comes back to its
// first key at its end and passes through its keys without stopping.
struct Stretch {
    std::vector<Key> keys;
    bool cycle;
};

Vec rotated(Vec v, float degrees) {
    float radians = degrees * float(M_PI) / 180.0f;
    float c = std::cos(radians);
    float s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// The lowest point of either sole, upright, with the hips at the origin.
float lowestSole(const std::map<std::string, float>& angles) {
    std::map<std::string, Vec> joints;
    std::map<std::string, float> turns;
    float lowest = 1e30f;
    for (const BonePart& bone : skeleton()) {
        float own = angles.count(bone.name) ? angles.at(bone.name) : 0.0f;
        if (bone.parent.empty()) {
            joints[bone.name] = bone.offset;
            turns[bone.name] = own;
        } else {
            joints[bone.name] = joints[bone.parent] + rotated(bone.offset, turns[bone.parent]);
            turns[bone.name] = turns[bone.parent] + own;
        }
        if (bone.name == "peDir" || bone.name == "peEsq") {
            for (Vec point : {heel(), toe()}) {
                lowest = std::min(lowest, (joints[bone.name] + rotated(point, turns[bone.name])).y);
            }
        }
    }
    return lowest;
}

float ease(float t) {
    return t * t * (3.0f - 2.0f * t);
}

float catmullRom(float p0, float p1, float p2, float p3, float t) {
    return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t * t +
                   (3.0f * p1 - p0 - 3.0f * p2 + p3) * t * t * t);
}

// The pose of a frame inside the stretch, with a weight of 1 where the feet
// stand and 0 in the air.
Frame poseAt(const Stretch& stretch, float frame) {
    const std::vector<Key>& keys = stretch.keys;
    std::size_t i = 0;
    while (i + 2 < keys.size() && frame >= keys[i + 1].frame) {
        ++i;
    }
    float t = (frame - keys[i].frame) / (keys[i + 1].frame - keys[i].frame);
    // A cycle's last key is its first one again.
    std::size_t distinct = stretch.cycle ? keys.size() - 1 : keys.size();
    auto key = [&](long at) -> const Pose& {
        if (stretch.cycle) {
            return keys[std::size_t((at % long(distinct) + long(distinct)) % long(distinct))].pose;
        }
        return keys[std::size_t(std::max(0L, std::min(at, long(keys.size()) - 1)))].pose;
    };
    // On a key the key's own pose, exactly: the walk cycle ends on the very
    // pose it starts from.
    auto blend = [&](float a0, float a1, float a2, float a3) {
        if (t <= 0.0f || t >= 1.0f) {
            return t <= 0.0f ? a1 : a2;
        }
        return stretch.cycle ? catmullRom(a0, a1, a2, a3, t) : a1 + (a2 - a1) * ease(t);
    };
    Frame out;
    long at = long(i);
    for (const BonePart& bone : skeleton()) {
        out.angles[bone.name] = blend(key(at - 1).angle(bone.name), key(at).angle(bone.name),
                                      key(at + 1).angle(bone.name), key(at + 2).angle(bone.name));
    }
    float onFeet =
        blend(key(at - 1).grounded, key(at).grounded, key(at + 1).grounded, key(at + 2).grounded);
    float restSole = lowestSole({});
    out.hipsDown = std::max(0.0f, std::min(1.0f, onFeet)) * (lowestSole(out.angles) - restSole);
    return out;
}

const std::vector<Stretch>& timeline() {
    static const std::vector<Stretch> stretches = {
        {{{0, standing}, {10, stepRight}}, false},
        {{{10, stepRight},
          {14.5f, passRight},
          {19, mirrored(stepRight)},
          {23.5f, mirrored(passRight)},
          {28, stepRight}},
         true},
        {{{28, stepRight}, {38, standing}}, false},
        {{{38, standing}, {39, crouch}, {40, crouch}, {41, airborne}}, false},
        {{{41, airborne}, {42.5f, landing}, {44, standing}}, false},
        {{{44, standing}, {float(motionFrames - 1), standing}}, false},
    };
    return stretches;
}

Frame frameAt(int frame) {
    for (const Stretch& stretch : timeline()) {
        if (float(frame) <= stretch.keys.back().frame) {
            return poseAt(stretch, float(frame));
        }
    }
    return poseAt(timeline().back(), float(frame));
}

// Four decimals, never "-0.0000".
std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::fabs(value) < 0.00005f ? 0.0f : value);
    return text;
}

// Upright (forward, up) as the file's X (down), Y (depth) and Z (forward).
std::string offsetLine(Vec upright) {
    return "OFFSET " + number(-upright.y) + " " + number(0.0f) + " " + number(upright.x);
}

void writeBone(const BonePart& bone, int depth, std::string& text,
               std::vector<std::string>& order) {
    std::string indent(std::size_t(depth), '\t');
    std::string inner(std::size_t(depth + 1), '\t');
    order.push_back(bone.name);
    if (bone.parent.empty()) {
        text += "ROOT " + bone.name + "\n{\n";
        text += inner + offsetLine(bone.offset) + "\n";
        text += inner + "CHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation\n";
    } else {
        text += indent + "JOINT " + bone.name + "\n" + indent + "{\n";
        text += inner + offsetLine(bone.offset) + "\n";
        text += inner + "CHANNELS 3 Zrotation Xrotation Yrotation\n";
    }
    bool parent = false;
    for (const BonePart& child : skeleton()) {
        if (child.parent == bone.name) {
            writeBone(child, depth + 1, text, order);
            parent = true;
        }
    }
    if (!parent) {
        text += inner + "End Site\n" + inner + "{\n";
        text += inner + "\t" + offsetLine(bone.end) + "\n" + inner + "}\n";
    }
    text += indent + "}\n";
}

} // namespace

bool writeMotion(const std::string& path) {
    std::string text = "HIERARCHY\n";
    std::vector<std::string> order;
    writeBone(skeleton().front(), 0, text, order);
    text += "MOTION\nFrames: " + std::to_string(motionFrames) + "\nFrame Time: 0.04\n";
    for (int f = 0; f < motionFrames; ++f) {
        Frame frame = frameAt(f);
        std::string line;
        for (const std::string& bone : order) {
            if (bone == order.front()) {
                line += number(frame.hipsDown) + " 0.0000 0.0000 0.0000 0.0000 ";
            } else {
                line += "0.0000 0.0000 ";
            }
            line += number(-frame.angles[bone]) + (bone == order.back() ? "\n" : " ");
        }
        text += line;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return bool(file.flush());
}

} // namespace jorvelldata
