#include "Mannequin.h"

#include "Canvas.h"
#include "Random.h"

#include <cmath>
#include <functional>

namespace jorvelldata {

namespace {

// The part sizes and placements are the player's; the bone lengths put the
// soles at its collision shape's bottom, 2.55 below its centre.
const std::vector<BonePart> bones = {
    {"cintura", "", {0.0f, 0.0f}, {0.0f, 0.0f}, {-0.45f, 0.0f}, {0.7f, 0.9f}},
    {"peito", "cintura", {0.0f, 0.75f}, {0.0f, 0.0f}, {-0.625f, 0.07f}, {0.7f, 1.0f}},
    {"cabeca", "peito", {0.0f, 0.9f}, {0.0f, 1.1f}, {-0.6f, 0.0f}, {0.7f, 1.0f}},
    {"bracoDir", "peito", {0.0f, 0.9f}, {0.0f, 0.0f}, {0.375f, -0.01f}, {0.3f, 0.825f}},
    {"anteBracoDir", "bracoDir", {0.0f, -0.75f}, {0.0f, 0.0f}, {0.415f, 0.0f}, {0.2f, 1.0f}},
    {"maoDir", "anteBracoDir", {0.0f, -0.8f}, {0.0f, -0.5f}, {0.3f, 0.0f}, {0.2f, 0.4f}},
    {"bracoEsq", "peito", {0.0f, 0.9f}, {0.0f, 0.0f}, {0.375f, -0.01f}, {0.3f, 0.825f}},
    {"anteBracoEsq", "bracoEsq", {0.0f, -0.75f}, {0.0f, 0.0f}, {0.415f, 0.0f}, {0.2f, 1.0f}},
    {"maoEsq", "anteBracoEsq", {0.0f, -0.8f}, {0.0f, -0.5f}, {0.3f, 0.0f}, {0.2f, 0.4f}},
    {"coxaDir", "cintura", {0.0f, -0.15f}, {0.0f, 0.0f}, {0.45f, 0.0f}, {0.35f, 1.15f}},
    {"pernaDir", "coxaDir", {0.0f, -0.95f}, {0.0f, 0.0f}, {0.575f, 0.0f}, {0.3f, 1.1f}},
    {"peDir", "pernaDir", {0.0f, -1.05f}, {0.7f, 0.0f}, {0.115f, 0.3f}, {0.75f, 0.175f}},
    {"coxaEsq", "cintura", {0.0f, -0.15f}, {0.0f, 0.0f}, {0.45f, 0.0f}, {0.35f, 1.15f}},
    {"pernaEsq", "coxaEsq", {0.0f, -0.95f}, {0.0f, 0.0f}, {0.575f, 0.0f}, {0.3f, 1.1f}},
    {"peEsq", "pernaEsq", {0.0f, -1.05f}, {0.7f, 0.0f}, {0.115f, 0.3f}, {0.75f, 0.175f}},
};

const Color wood = {0.87f, 0.69f, 0.46f, 1.0f};
const Color rim = {0.36f, 0.22f, 0.10f, 1.0f};
// The far side's parts, drawn behind the body, are in shadow.
constexpr float farShade = 0.76f;
constexpr float rimWidth = 0.022f;

// The part's wood, from its joint, upright; the joint ball is drawn apart.
float partShape(const std::string& kind, Vec p) {
    if (kind == "cabeca") {
        return std::min({ellipse(p, {0.04f, 0.6f}, {0.28f, 0.38f}),
                         ellipse(p, {0.13f, 0.38f}, {0.15f, 0.13f}),
                         capsule(p, {0.0f, 0.1f}, {0.02f, 0.32f}, 0.085f, 0.085f)});
    }
    if (kind == "peito") {
        return std::min(ellipse(p, {0.08f, 0.64f}, {0.26f, 0.42f}),
                        capsule(p, {0.02f, 0.16f}, {0.06f, 0.5f}, 0.17f, 0.19f));
    }
    if (kind == "cintura") {
        return std::min(ellipse(p, {0.0f, 0.2f}, {0.3f, 0.24f}),
                        capsule(p, {0.0f, 0.3f}, {0.02f, 0.8f}, 0.2f, 0.16f));
    }
    if (kind == "braco") {
        return capsule(p, {0.0f, -0.09f}, {0.0f, -0.7f}, 0.12f, 0.09f);
    }
    if (kind == "anteBraco") {
        return capsule(p, {0.0f, 0.0f}, {0.0f, -0.83f}, 0.085f, 0.07f);
    }
    if (kind == "mao") {
        return std::min(ellipse(p, {0.0f, -0.28f}, {0.085f, 0.2f}),
                        capsule(p, {0.04f, -0.18f}, {0.07f, -0.3f}, 0.03f, 0.025f));
    }
    if (kind == "coxa") {
        return capsule(p, {0.0f, -0.02f}, {0.0f, -0.92f}, 0.15f, 0.1f);
    }
    if (kind == "perna") {
        return std::min(capsule(p, {0.0f, -0.1f}, {0.0f, -1.03f}, 0.11f, 0.075f),
                        ellipse(p, {-0.02f, -0.38f}, {0.105f, 0.24f}));
    }
    // The foot: heel under the ankle, toes forward, the sole flat.
    return std::min({circle(p, {0.02f, -0.115f}, 0.085f),
                     box(p, {0.31f, -0.135f}, {0.29f, 0.065f}, 0.05f),
                     capsule(p, {0.1f, -0.1f}, {0.6f, -0.15f}, 0.075f, 0.05f)});
}

// The ball of the joint a limb part turns about, 0 radius for none.
float jointBall(const std::string& kind) {
    if (kind == "braco" || kind == "coxa") {
        return 0.12f;
    }
    if (kind == "anteBraco" || kind == "perna") {
        return 0.09f;
    }
    if (kind == "mao" || kind == "pe") {
        return 0.065f;
    }
    return 0.0f;
}

std::string kindOf(const std::string& name) {
    for (const char* side : {"Dir", "Esq"}) {
        std::size_t at = name.rfind(side);
        if (at != std::string::npos && at + 3 == name.size()) {
            return name.substr(0, at);
        }
    }
    return name;
}

bool writePart(const BonePart& part, const std::string& path, unsigned int seed) {
    std::string kind = kindOf(part.name);
    bool far = part.name.size() > 3 && part.name.compare(part.name.size() - 3, 3, "Esq") == 0;
    unsigned int width = unsigned(std::lround(part.size.x * partPixels));
    unsigned int height = unsigned(std::lround(part.size.y * partPixels));
    Canvas canvas(width, height);
    // The picture's centre hangs at `place` along and across the bone, which
    // points down when upright: along is down, across is forward.
    Vec centre = {part.place.y, -part.place.x};
    canvas.setFrame({centre.x - part.size.x * 0.5f, centre.y + part.size.y * 0.5f},
                    {part.size.x / float(width), -part.size.y / float(height)});

    Color base = far ? shade(wood, farShade) : wood;
    Color line = far ? shade(rim, farShade) : rim;
    Noise grain(seed, 64);
    bool lengthwise = kind != "pe";
    auto woodAt = [&](Vec p, float depth) {
        if (depth < rimWidth) {
            return line;
        }
        // Grain along the part; lighter towards the middle of its thickness.
        float along = lengthwise ? p.y : p.x;
        float across = lengthwise ? p.x : p.y;
        float ring = 0.5f + 0.5f * std::sin((across + 0.03f * grain.at(along * 6.0f)) * 70.0f);
        float round = std::min(1.0f, (depth - rimWidth) / 0.08f);
        return shade(base, (0.8f + 0.24f * std::sqrt(round)) * (1.0f - 0.1f * ring * ring * ring));
    };
    canvas.paint([&](Vec p) { return partShape(kind, p); }, woodAt);
    float ball = jointBall(kind);
    if (ball > 0.0f) {
        canvas.paint(
            [&](Vec p) {
                return circle(p, {0.0f, 0.0f}, ball);
            },
            [&](Vec p, float depth) { return shade(woodAt(p, depth), 0.9f); });
    }
    return canvas.savePNG(path);
}

} // namespace

const std::vector<BonePart>& skeleton() {
    return bones;
}

const BonePart* findBone(const std::string& name) {
    for (const BonePart& bone : bones) {
        if (bone.name == name) {
            return &bone;
        }
    }
    return nullptr;
}

float soleDepth() {
    const BonePart* foot = findBone("peDir");
    return foot->place.x + foot->size.y * 0.5f;
}

Vec heel() {
    return {-0.02f, -soleDepth()};
}

Vec toe() {
    return {0.62f, -soleDepth()};
}

bool writeBodyParts(const std::string& folder) {
    bool written = true;
    unsigned int seed = 100;
    for (const BonePart& part : bones) {
        written = writePart(part, folder + "/" + part.name + ".png", seed++) && written;
    }
    return written;
}

} // namespace jorvelldata
