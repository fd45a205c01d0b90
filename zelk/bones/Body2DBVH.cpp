#include "zelk/File.h"
#include "zelk/FileReport.h"
#include "zelk/String.h"
#include "zelk/bones/BVHReader.h"
#include "zelk/bones/Body2D.h"

#include <cstring>
#include <string>

namespace zelk {
namespace bones {

namespace {

// Blocks nested deeper than this are skipped whole: the bone tree is walked
// recursively, so its depth must stay bounded whatever the file says.
const unsigned int deepestBlock = 256;
// Bones are kept in trees ordered by name and not balanced, so a file with
// very many joints would take time growing with their square to read and
// to walk. No skeleton comes near this; joints beyond it are read like a
// duplicate joint, without a bone.
const unsigned int mostBones = 4096;

bool same(const char* word, const char* expected) {
    return std::strcmp(word, expected) == 0;
}

// The channel codes 1 to 6 of the names; 0 for any other name.
uint8 channelCode(const char* name) {
    static const char* const names[] = {"Xposition", "Yposition", "Zposition",
                                        "Xrotation", "Yrotation", "Zrotation"};
    for (uint8 code = 0; code < 6; code++) {
        if (same(name, names[code])) {
            return code + 1;
        }
    }
    return 0;
}

// What a channel drives in a plane mode.
enum class Target { none, x, y, angle };

Target targetOf(uint8 channel, unsigned char mode) {
    // Per mode, the targets of channels 1 to 6.
    static const Target targets[3][6] = {
        {Target::x, Target::y, Target::none, Target::none, Target::none, Target::angle},
        {Target::x, Target::none, Target::y, Target::none, Target::angle, Target::none},
        {Target::none, Target::x, Target::y, Target::angle, Target::none, Target::none}};
    if (mode > 2 || channel < 1 || channel > 6) {
        return Target::none;
    }
    return targets[mode][channel - 1];
}

// A count of the file: a negative one counts as 0.
unsigned int readCount(const char* word) {
    int32 count = String::strToInt32(word);
    return count < 0 ? 0u : static_cast<unsigned int>(count);
}

float readNumber(const char* word) {
    return String::strToFloat32(word);
}

// A value at a second: a key frame of the bone's position or angle.
void applyChannel(Body2D::ChannelLink link, float value, float second, unsigned char mode) {
    Bone2D* bone = link.bone;
    if (!bone) {
        return;
    }
    animation::Interpolation2DGroup& moves = bone->animationPosition;
    bool haveFrame = false;
    switch (targetOf(link.channel, mode)) {
    case Target::x:
        haveFrame = moves.selectFrame(second) || moves.selectTempFrame(second);
        if (!haveFrame) {
            moves.addNewInterpolationLine(second, value, 0.f);
        }
        moves.setFrameX(second, value);
        break;
    case Target::y:
        haveFrame = moves.selectFrame(second) || moves.selectTempFrame(second);
        if (!haveFrame) {
            moves.addNewInterpolationLine(second, bone->position.x, value);
        }
        moves.setFrameY(second, value);
        break;
    case Target::angle:
        // Rotations enter with their sign reversed.
        bone->animationAngle.addNewInterpolationLine(second, -value);
        break;
    case Target::none:
        break;
    }
}

} // namespace

bool Body2D::loadBVHXY(char* path) {
    return loadBVH(path, 0);
}

bool Body2D::loadBVHXY(const char* path) {
    return loadBVHXY(const_cast<char*>(path));
}

bool Body2D::loadBVHXZ(char* path) {
    return loadBVH(path, 1);
}

bool Body2D::loadBVHXZ(const char* path) {
    return loadBVHXZ(const_cast<char*>(path));
}

bool Body2D::loadBVHYZ(char* path) {
    return loadBVH(path, 2);
}

bool Body2D::loadBVHYZ(const char* path) {
    return loadBVHYZ(const_cast<char*>(path));
}

bool Body2D::loadBVH(const char* path, unsigned char mode) {
    return loadBVH(const_cast<char*>(path), mode);
}

bool Body2D::loadBVH(char* path, unsigned char mode) {
    deleteAllBones();
    if (!path) {
        return false;
    }
    std::size_t length = std::strlen(path);
    bool named = length > 4 && same(path + length - 4, ".bvh");
    std::string fullPath = named ? std::string(path) : std::string(path) + ".bvh";
    File file;
    if (!file.openBinFile(fullPath.c_str())) {
        FileReport::reportUnopened(fullPath.c_str());
        return false;
    }
    bool loaded = file.getFileSize() > 0;
    bool skeleton = false;
    zelk::vector::Stack<ChannelLink> channels(3);
    unsigned int channelCount = 0;
    {
        BVHReader reader(&file);
        reader.skipByteOrderMark();
        while (!reader.atEnd()) {
            const char* word = reader.word();
            if (same(word, "HIERARCHY")) {
                if (!same(reader.word(), "ROOT")) {
                    continue;
                }
                skeleton = true;
                root.setName(reader.restOfLine());
                if (same(reader.word(), "{")) {
                    channelCount = readHierarchy(&reader, nullptr, &root, mode, &channels, 1);
                }
            } else if (same(word, "MOTION")) {
                readMotion(&reader, channelCount, mode, &channels);
            }
        }
    }
    file.closeFile();
    if (!skeleton) {
        FileReport::report(fullPath.c_str(), FileReport::notMotion);
    }
    return loaded;
}

unsigned int Body2D::loadHierarkhy(File* file, Bone2D* parent, Bone2D* bone, unsigned char mode,
                                   zelk::vector::Stack<ChannelLink>* channels) {
    if (!file || !channels) {
        return 0;
    }
    BVHReader reader(file);
    return readHierarchy(&reader, parent, bone, mode, channels, 1);
}

unsigned int Body2D::readHierarchy(BVHReader* reader, Bone2D* parent, Bone2D* bone,
                                   unsigned char mode, zelk::vector::Stack<ChannelLink>* channels,
                                   unsigned int depth) {
    selectBone(bone);
    Bone2D* current = nullptr;
    unsigned int declared = 0;
    while (true) {
        const char* word = reader->word();
        if (!*word || same(word, "}")) {
            break;
        }
        if (same(word, "OFFSET")) {
            float x = readNumber(reader->word());
            float y = readNumber(reader->word());
            float z = readNumber(reader->word());
            const vec2f32 projected[3] = {vec2f32(x, y), vec2f32(x, z), vec2f32(y, z)};
            if (mode <= 2) {
                if (parent) {
                    parent->vector = projected[mode];
                }
                if (bone) {
                    bone->position = projected[mode];
                }
            }
        } else if (same(word, "CHANNELS")) {
            // The names present are counted, so the count of a file cut
            // short cannot outgrow the file. A name that drives nothing
            // still holds its place among the values of a frame.
            unsigned int count = readCount(reader->word());
            for (unsigned int at = 0; at < count; at++) {
                const char* name = reader->word();
                if (!*name) {
                    break;
                }
                channels->pushBack(ChannelLink(bone, channelCode(name)));
                declared++;
            }
        } else if (same(word, "JOINT")) {
            const char* name = reader->word();
            current = getBonesSize() < mostBones ? createBoneToSelected(name) : nullptr;
        } else if (same(word, "End")) {
            reader->word();
            current = nullptr;
        } else if (same(word, "{")) {
            if (depth >= deepestBlock) {
                reader->skipBlock();
            } else {
                declared += readHierarchy(reader, bone, current, mode, channels, depth + 1);
            }
            selectBone(bone);
        }
    }
    return declared;
}

void Body2D::readMotion(BVHReader* reader, unsigned int channelCount, unsigned char mode,
                        zelk::vector::Stack<ChannelLink>* channels) {
    if (!same(reader->word(), "Frames:")) {
        return;
    }
    unsigned int frames = readCount(reader->word());
    if (!same(reader->word(), "Frame") || !same(reader->word(), "Time:")) {
        return;
    }
    float frameTime = readNumber(reader->word());
    // A frame without channels reads nothing, so the count alone would
    // drive the loop.
    if (channelCount == 0) {
        return;
    }
    float second = 0.f;
    for (unsigned int frame = 0; frame < frames && !reader->atEnd(); frame++) {
        for (unsigned int channel = 0; channel < channelCount; channel++) {
            if (reader->atEnd()) {
                // The last row, cut short, is completed with zeros.
                for (; channel < channelCount && channel < channels->size(); channel++) {
                    applyChannel(channels->get(channel), 0.f, second, mode);
                }
                break;
            }
            // The last value of a frame runs to the end of its line.
            bool last = channel + 1 == channelCount;
            const char* text = last ? reader->restOfLineFromWord() : reader->word();
            applyChannel(channels->get(channel), readNumber(text), second, mode);
        }
        second += frameTime;
    }
}

} // namespace bones
} // namespace zelk
