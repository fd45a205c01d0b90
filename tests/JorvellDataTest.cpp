#include "zelk/Image2D.h"
#include "zelk/bones/Body2D.h"

#include "support/FileContents.h"
#include "support/SoundFiles.h"
#include "support/TestSupport.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The game's data files as the build leaves them in its data folder: each
// decodes, and has the sizes, shapes and layout the game relies on.

namespace {

const std::string data = JORVELL_DATA_DIR;

std::string path(const std::string& name) {
    return data + "/" + name;
}

// The body parts as the player hangs them on its bones: the centre's place
// along and across the bone, and the size across and along; the pictures
// have 64 pixels to a unit.
struct Part {
    std::string kind;
    float along, across, width, height;
    // Where the part's joint lies in the picture, as fractions from its
    // top-left corner; outside the picture for parts that hang off it.
    float u, v;
};

const std::vector<Part> partKinds = {
    {"cabeca", -0.6f, 0.0f, 0.7f, 1.0f, 0.5f, 1.1f},
    {"peito", -0.625f, 0.07f, 0.7f, 1.0f, 0.4f, 1.125f},
    {"cintura", -0.45f, 0.0f, 0.7f, 0.9f, 0.5f, 1.0f},
    {"braco", 0.375f, -0.01f, 0.3f, 0.825f, 0.533f, 0.045f},
    {"anteBraco", 0.415f, 0.0f, 0.2f, 1.0f, 0.5f, 0.085f},
    {"mao", 0.3f, 0.0f, 0.2f, 0.4f, 0.5f, -0.25f},
    {"coxa", 0.45f, 0.0f, 0.35f, 1.15f, 0.5f, 0.109f},
    {"perna", 0.575f, 0.0f, 0.3f, 1.1f, 0.5f, -0.023f},
    {"pe", 0.115f, 0.3f, 0.75f, 0.175f, 0.1f, -0.157f},
};

std::vector<std::string> partNames() {
    std::vector<std::string> names;
    for (const Part& part : partKinds) {
        if (part.kind == "cabeca" || part.kind == "peito" || part.kind == "cintura") {
            names.push_back(part.kind);
        } else {
            names.push_back(part.kind + "Dir");
            names.push_back(part.kind + "Esq");
        }
    }
    return names;
}

std::vector<std::string> everyFile() {
    std::vector<std::string> files = {"JorvellTitle.png",
                                      "templateTexture1024x1024.jpg",
                                      "templateTileSet.png",
                                      "zelkButton.png",
                                      "wait.png",
                                      "little town - orchestral.ogg",
                                      "player/playerJump.ogg",
                                      "player/WoodManequinAnimation2.bvh"};
    for (const std::string& name : partNames()) {
        files.push_back("player/" + name + ".png");
    }
    return files;
}

sf::Image picture(const std::string& name) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(path(name))) << name;
    return image;
}

bool opaque(const sf::Image& image, float u, float v) {
    unsigned int x = unsigned(std::clamp(u * image.getSize().x, 0.0f, image.getSize().x - 1.0f));
    unsigned int y = unsigned(std::clamp(v * image.getSize().y, 0.0f, image.getSize().y - 1.0f));
    return image.getPixel(x, y).a >= 200;
}

unsigned int clearPixels(const sf::Image& image) {
    unsigned int count = 0;
    for (unsigned int y = 0; y < image.getSize().y; ++y) {
        for (unsigned int x = 0; x < image.getSize().x; ++x) {
            count += image.getPixel(x, y).a == 0 ? 1 : 0;
        }
    }
    return count;
}

// Pixels whose colour is pure blue or green, the colours of the player's
// collision boxes.
unsigned int boxColoured(const sf::Image& image) {
    unsigned int count = 0;
    for (unsigned int y = 0; y < image.getSize().y; ++y) {
        for (unsigned int x = 0; x < image.getSize().x; ++x) {
            sf::Color c = image.getPixel(x, y);
            if (c.a > 0 && c.r == 0 && ((c.g == 0 && c.b == 255) || (c.g == 255 && c.b == 0))) {
                ++count;
            }
        }
    }
    return count;
}

double meanBrightness(const sf::Image& image) {
    double sum = 0.0;
    unsigned int count = 0;
    for (unsigned int y = 0; y < image.getSize().y; ++y) {
        for (unsigned int x = 0; x < image.getSize().x; ++x) {
            sf::Color c = image.getPixel(x, y);
            if (c.a == 255) {
                sum += (c.r + c.g + c.b) / 3.0;
                ++count;
            }
        }
    }
    return count ? sum / count : 0.0;
}

TEST(JorvellData, EveryFileIsInTheGamesFolder) {
    for (const std::string& name : everyFile()) {
        EXPECT_FALSE(zelk::test::readFileBytes(path(name)).empty()) << name;
    }
}

TEST(JorvellData, ThePicturesDecodeAtTheirSizes) {
    const std::map<std::string, sf::Vector2u> sizes = {{"templateTileSet.png", {256, 64}},
                                                       {"zelkButton.png", {192, 64}},
                                                       {"wait.png", {288, 256}}};
    for (const auto& [name, size] : sizes) {
        EXPECT_EQ(size, picture(name).getSize()) << name;
    }
    // The title sits above the buttons of an 800 x 600 screen.
    sf::Image title = picture("JorvellTitle.png");
    EXPECT_LE(title.getSize().x, 760u);
    EXPECT_LE(title.getSize().y, 240u);
    unsigned int area = title.getSize().x * title.getSize().y;
    EXPECT_GT(clearPixels(title), area / 5);
    EXPECT_LT(clearPixels(title), area * 4 / 5);
    EXPECT_FALSE(opaque(title, 0.0f, 0.0f));

    zelk::Image2D grid;
    ASSERT_TRUE(grid.loadFromFile(path("templateTexture1024x1024.jpg").c_str()));
    EXPECT_EQ(1024u, grid.getWidth());
    EXPECT_EQ(1024u, grid.getHeight());
    EXPECT_EQ(3u, grid.getChannels());

    for (const std::string& name : everyFile()) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) {
            EXPECT_EQ(0u, boxColoured(picture(name))) << name;
        }
    }
}

TEST(JorvellData, TheTileSheetHoldsTheFourSlopes) {
    sf::Image tiles = picture("templateTileSet.png");
    // Per cell, which of the sides left, top, right, bottom is solid: the
    // collision triangles of tiles 2 to 5 (upper-left, lower-right,
    // lower-left and upper-right half).
    const bool solid[4][4] = {{true, true, false, false},
                              {false, false, true, true},
                              {true, false, false, true},
                              {false, true, true, false}};
    const float sides[4][2] = {{0.25f, 0.5f}, {0.5f, 0.25f}, {0.75f, 0.5f}, {0.5f, 0.75f}};
    for (int cell = 0; cell < 4; ++cell) {
        for (int side = 0; side < 4; ++side) {
            float u = (float(cell) + sides[side][0]) / 4.0f;
            EXPECT_EQ(solid[cell][side], opaque(tiles, u, sides[side][1]))
                << "cell " << cell << " side " << side;
        }
    }
}

TEST(JorvellData, TheButtonStripHasThreeDifferentFrames) {
    sf::Image strip = picture("zelkButton.png");
    auto frame = [&](unsigned int index) {
        std::vector<sf::Uint8> pixels;
        for (unsigned int y = 0; y < 64; ++y) {
            for (unsigned int x = 0; x < 64; ++x) {
                sf::Color c = strip.getPixel(64 * index + x, y);
                pixels.insert(pixels.end(), {c.r, c.g, c.b, c.a});
            }
        }
        return pixels;
    };
    EXPECT_NE(frame(0), frame(1));
    EXPECT_NE(frame(1), frame(2));
    EXPECT_NE(frame(0), frame(2));
    for (unsigned int index = 0; index < 3; ++index) {
        EXPECT_TRUE(opaque(strip, (index + 0.5f) / 3.0f, 0.5f));
    }
}

TEST(JorvellData, BodyPartsAreUprightAtThePlayersProportions) {
    for (const Part& part : partKinds) {
        for (const std::string& side : {std::string(), std::string("Dir"), std::string("Esq")}) {
            std::string name = part.kind + side;
            std::string file = "player/" + name + ".png";
            if (zelk::test::readFileBytes(path(file)).empty()) {
                continue;
            }
            sf::Image image = picture(file);
            EXPECT_NEAR(part.width * 64.0f, float(image.getSize().x), 0.5f) << name;
            EXPECT_NEAR(part.height * 64.0f, float(image.getSize().y), 0.5f) << name;
            // The wood reaches the joint the part turns about, and the
            // ground around it stays clear.
            EXPECT_TRUE(opaque(image, part.u, part.v)) << name;
            EXPECT_GT(clearPixels(image), image.getSize().x * image.getSize().y / 20) << name;
        }
        if (part.kind == "pe") {
            // Toes forward: the foot reaches further right of the ankle than
            // left of it.
            sf::Image foot = picture("player/peDir.png");
            EXPECT_TRUE(opaque(foot, 0.9f, 0.6f));
            EXPECT_FALSE(opaque(foot, 0.0f, 0.05f));
        }
    }
    // The far side is in the shade.
    for (const char* kind : {"braco", "anteBraco", "mao", "coxa", "perna", "pe"}) {
        double near = meanBrightness(picture(std::string("player/") + kind + "Dir.png"));
        double far = meanBrightness(picture(std::string("player/") + kind + "Esq.png"));
        EXPECT_LT(far, near * 0.9) << kind;
    }
}

TEST(JorvellData, TheMusicLoopsWithoutAClick) {
    zelk::test::Sound music;
    ASSERT_TRUE(zelk::test::readSoundFile(path("little town - orchestral.ogg"), music));
    EXPECT_EQ(44100u, music.sampleRate);
    EXPECT_EQ(2u, music.channels);
    EXPECT_GE(music.seconds(), 16.0);
    EXPECT_LE(music.seconds(), 32.0);
    std::size_t frames = music.frames();
    for (unsigned int c = 0; c < 2; ++c) {
        EXPECT_GT(zelk::test::rms(music, c, 0, frames), 0.05) << c;
        // The step from the last sample back to the first is one the music
        // takes anyway, not a jump above all of them.
        std::vector<float> steps;
        for (std::size_t i = 1; i < frames; ++i) {
            steps.push_back(std::fabs(music.at(i, c) - music.at(i - 1, c)));
        }
        std::sort(steps.begin(), steps.end());
        float usual = steps[steps.size() * 999 / 1000];
        EXPECT_LE(std::fabs(music.at(0, c) - music.at(frames - 1, c)), usual) << c;
    }
}

TEST(JorvellData, TheJumpIsAShortRisingBlip) {
    zelk::test::Sound jump;
    ASSERT_TRUE(zelk::test::readSoundFile(path("player/playerJump.ogg"), jump));
    EXPECT_EQ(1u, jump.channels);
    EXPECT_GE(jump.seconds(), 0.15);
    EXPECT_LE(jump.seconds(), 0.4);
    std::size_t third = jump.frames() / 3;
    std::size_t early = zelk::test::zeroCrossings(jump, 0, 0, third);
    std::size_t late = zelk::test::zeroCrossings(jump, 0, 2 * third, 3 * third);
    EXPECT_GT(late, early * 3 / 2);
    EXPECT_GT(zelk::test::rms(jump, 0, 0, third), 0.1);
}

// The motion file read as text, as strictly as the engine's reader reads it.
class MotionFile : public ::testing::Test {
protected:
    void SetUp() override {
        text = zelk::test::readFileBytes(path("player/WoodManequinAnimation2.bvh"));
        ASSERT_FALSE(text.empty());
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        motion = std::find(lines.begin(), lines.end(), "MOTION") - lines.begin();
        ASSERT_LT(motion + 3, lines.size());
    }

    // The line without its leading tabs, cut at single spaces.
    static std::vector<std::string> words(const std::string& line) {
        std::vector<std::string> out;
        std::size_t at = line.find_first_not_of('\t');
        if (at == std::string::npos) {
            return out;
        }
        std::string rest = line.substr(at);
        for (std::size_t start = 0;;) {
            std::size_t space = rest.find(' ', start);
            out.push_back(rest.substr(start, space - start));
            if (space == std::string::npos) {
                return out;
            }
            start = space + 1;
        }
    }

    static bool isNumber(const std::string& word) {
        char* end = nullptr;
        std::strtod(word.c_str(), &end);
        return !word.empty() && end == word.c_str() + word.size();
    }

    std::string text;
    std::vector<std::string> lines;
    std::size_t motion = 0;
};

TEST_F(MotionFile, TheHierarchyNamesTheFifteenPartsUnderTheWaist) {
    EXPECT_EQ(std::string::npos, text.find('\r'));
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](char c) { return c == '\n' || c == '\t' || (c >= 32 && c < 127); }));
    EXPECT_EQ("HIERARCHY", lines[0]);
    EXPECT_EQ("ROOT cintura", lines[1]);
    EXPECT_EQ("{", lines[2]);

    std::multiset<std::string> names;
    std::vector<std::vector<std::string>> channelLines;
    int depth = 0;
    for (std::size_t i = 1; i < motion; ++i) {
        std::vector<std::string> w = words(lines[i]);
        ASSERT_FALSE(w.empty()) << "line " << i;
        if (w[0] == "ROOT" || w[0] == "JOINT") {
            ASSERT_EQ(2u, w.size()) << lines[i];
            names.insert(w[1]);
            EXPECT_EQ("{", words(lines[i + 1]).front()) << lines[i];
        } else if (w[0] == "OFFSET") {
            ASSERT_EQ(4u, w.size()) << lines[i];
            EXPECT_TRUE(isNumber(w[1]) && isNumber(w[2]) && isNumber(w[3])) << lines[i];
        } else if (w[0] == "CHANNELS") {
            ASSERT_GE(w.size(), 2u);
            EXPECT_EQ(std::stoul(w[1]) + 2, w.size()) << lines[i];
            channelLines.push_back(w);
        } else if (w[0] == "{" || w[0] == "}") {
            depth += w[0] == "{" ? 1 : -1;
            EXPECT_EQ(1u, w.size()) << lines[i];
        } else {
            EXPECT_EQ(std::vector<std::string>({"End", "Site"}), w) << lines[i];
        }
    }
    EXPECT_EQ(0, depth);
    std::vector<std::string> expected = partNames();
    EXPECT_EQ(std::multiset<std::string>(expected.begin(), expected.end()), names);
    // The root carries positions and rotations, every joint its rotations.
    ASSERT_EQ(15u, channelLines.size());
    EXPECT_EQ(std::vector<std::string>({"CHANNELS", "6", "Xposition", "Yposition", "Zposition",
                                        "Zrotation", "Xrotation", "Yrotation"}),
              channelLines[0]);
    for (std::size_t i = 1; i < channelLines.size(); ++i) {
        EXPECT_EQ(
            std::vector<std::string>({"CHANNELS", "3", "Zrotation", "Xrotation", "Yrotation"}),
            channelLines[i]);
    }
}

TEST_F(MotionFile, EveryFrameHoldsAValueForEveryChannel) {
    EXPECT_EQ("Frame Time: 0.04", lines[motion + 2]);
    std::vector<std::string> count = words(lines[motion + 1]);
    ASSERT_EQ(2u, count.size());
    EXPECT_EQ("Frames:", count[0]);
    unsigned int frames = unsigned(std::stoul(count[1]));
    // The last clip ends at 1.76 s, frame 44.
    EXPECT_GE(frames, 46u);
    ASSERT_EQ(motion + 3 + frames, lines.size());
    EXPECT_EQ('\n', text.back());
    for (std::size_t f = 0; f < frames; ++f) {
        const std::string& line = lines[motion + 3 + f];
        std::vector<std::string> values = words(line);
        EXPECT_EQ(48u, values.size()) << "frame " << f;
        EXPECT_EQ(std::string::npos, line.find('\t')) << "frame " << f;
        EXPECT_TRUE(std::all_of(values.begin(), values.end(), isNumber)) << "frame " << f;
        // The waist neither travels forward nor turns: the motion stays on
        // the player's body.
        EXPECT_EQ(0.0, std::stod(values[2])) << "frame " << f;
    }
    // The walk cycle, frames 10 to 28, comes back to where it began.
    EXPECT_EQ(lines[motion + 3 + 10], lines[motion + 3 + 28]);
    EXPECT_NE(lines[motion + 3 + 10], lines[motion + 3 + 19]);
}

TEST_F(MotionFile, TheSolesRestAtTheBottomOfThePlayersBody) {
    // Each joint's offset down (the file's X) from the waist.
    std::map<std::string, double> down;
    std::vector<std::string> open;
    std::string current;
    for (std::size_t i = 1; i < motion; ++i) {
        std::vector<std::string> w = words(lines[i]);
        if (w[0] == "ROOT" || w[0] == "JOINT") {
            current = w[1];
        } else if (w[0] == "End") {
            current.clear();
        } else if (w[0] == "{") {
            open.push_back(current);
        } else if (w[0] == "}") {
            open.pop_back();
        } else if (w[0] == "OFFSET" && !open.back().empty()) {
            std::string parent;
            for (std::size_t k = open.size() - 1; k-- > 0;) {
                if (!open[k].empty()) {
                    parent = open[k];
                    break;
                }
            }
            down[open.back()] = (parent.empty() ? 0.0 : down[parent]) + std::stod(w[1]);
        }
    }
    // The waist hangs 0.2 below the body's centre; a foot's sole lies its
    // placement plus half its height below the ankle, the head's top its
    // placement plus half its height above the neck.
    for (const char* foot : {"peDir", "peEsq"}) {
        ASSERT_TRUE(down.count(foot)) << foot;
        EXPECT_NEAR(2.55, down[foot] + 0.115 + 0.175 / 2 + 0.2, 0.05) << foot;
    }
    ASSERT_TRUE(down.count("cabeca"));
    double headTop = -down["cabeca"] + 0.6 + 0.5 - 0.2;
    EXPECT_GT(headTop, 2.3);
    EXPECT_LE(headTop, 2.8);
}

// The motion file through the engine's own reader, as the player loads it.
TEST(JorvellData, TheMotionLoadsIntoTheFifteenBoneSkeleton) {
    zelk::bones::Body2D body;
    ASSERT_TRUE(body.loadBVHXZ(path("player/WoodManequinAnimation2.bvh").c_str()));
    EXPECT_EQ(15u, body.getBonesSize());
    for (const std::string& name : partNames()) {
        EXPECT_NE(nullptr, body.getBoneByName(name.c_str())) << name;
    }

    // The player's clips, in seconds of the file: every bone turns through
    // each of them, and the waist moves through them too.
    struct Clip {
        const char* name;
        float start, end;
    };
    for (Clip clip : {Clip{"stopPlayer", 0.f, 0.0001f}, Clip{"startWalk", 0.f, 0.4f},
                      Clip{"walking", 0.4f, 1.12f}, Clip{"endWalk", 1.12f, 1.52f},
                      Clip{"startJump", 1.52f, 1.64f}, Clip{"loopJumping", 1.6399f, 1.6401f},
                      Clip{"endJump", 1.64f, 1.76f}}) {
        EXPECT_TRUE(body.addNewAnimationName(clip.name, clip.start, clip.end)) << clip.name;
        for (unsigned int at = 0; at < body.getBonesSize(); at++) {
            zelk::bones::Bone2D* bone = body.getBone(at);
            EXPECT_TRUE(bone->animationAngle.haveAnimationName(clip.name))
                << clip.name << " " << bone->getName();
        }
    }

    // At rest, placed as the player places it over a body centred at the
    // origin, the soles lie at the bottom of that body.
    body.position = zelk::vec2f32(-0.25f, -0.2f);
    body.angle = -90.f;
    zelk::Object2DValues feet[2];
    const char* footBones[2] = {"peDir", "peEsq"};
    for (int side = 0; side < 2; side++) {
        feet[side].position = zelk::vec2f32(0.115f, 0.3f);
        feet[side].angle = 90.f;
        feet[side].size = zelk::size2f32(0.75f, 0.175f);
        ASSERT_TRUE(body.addConnectionObject(footBones[side], &feet[side]));
    }
    body.updateObjects();
    for (const zelk::Object2DValues& foot : feet) {
        EXPECT_NEAR(0.f, foot.angle, 1e-3f);
        EXPECT_NEAR(-2.55f, foot.position.y - foot.size.height / 2.f, 0.05f);
    }

    // Walking swings the legs.
    ASSERT_TRUE(body.playNameForward("walking"));
    body.stepAnimations(0.2f);
    EXPECT_NE(body.getBoneByName("coxaDir")->angle, body.getBoneByName("coxaEsq")->angle);
}

TEST(JorvellData, TheGeneratorWritesTheSameBytesEveryTime) {
    zelk::test::TempDir again;
    std::string command = std::string("\"") + JORVELL_DATA_TOOL + "\" \"" + again.path() + "\"";
    ASSERT_EQ(0, std::system(command.c_str()));
    for (const std::string& name : everyFile()) {
        std::string made = zelk::test::readFileBytes(again.file(name));
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == zelk::test::readFileBytes(path(name))) << name;
    }
}

} // namespace
