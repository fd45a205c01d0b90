// Loading a BVH motion file of 15 joints (the player's layout: 6 channels on
// the root, 3 on each joint) and playing one clip over it, against reading
// the same numbers with strtof alone. The argument is the number of frames.

#include "zelk/Object2DValues.h"
#include "zelk/bones/Body2D.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A motion file of the given frames in the system's temporary folder,
// removed when the object goes.
class MotionFile {
public:
    explicit MotionFile(int frames) {
        char name[] = "/tmp/zelk-bonesbench-XXXXXX.bvh";
        int fd = mkstemps(name, 4);
        if (fd < 0) {
            return;
        }
        close(fd);
        path = name;
        std::string text = "HIERARCHY\nROOT hip\n{\n\tOFFSET 0 0 0\n"
                           "\tCHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation "
                           "Yrotation\n";
        // Two chains of seven joints below the root.
        for (int chain = 0; chain < 2; chain++) {
            for (int joint = 0; joint < 7; joint++) {
                text += "JOINT j" + std::to_string(chain) + std::to_string(joint) +
                        "\n{\n\tOFFSET 0.5 0 0\n\tCHANNELS 3 Zrotation Xrotation Yrotation\n";
            }
            text += "End Site\n{\n\tOFFSET 0.5 0 0\n}\n";
            for (int joint = 0; joint < 7; joint++) {
                text += "}\n";
            }
        }
        text += "}\nMOTION\nFrames: " + std::to_string(frames) + "\nFrame Time: 0.04\n";
        char value[32];
        for (int frame = 0; frame < frames; frame++) {
            for (int channel = 0; channel < 48; channel++) {
                std::snprintf(value, sizeof value, "%.4f", 30.f * std::sin(0.1f * frame + channel));
                text += value;
                text += channel == 47 ? '\n' : ' ';
            }
        }
        std::ofstream(path, std::ios::binary) << text;
    }
    ~MotionFile() {
        if (!path.empty()) {
            std::remove(path.c_str());
        }
    }

    std::string path;
};

MotionFile& motionFile(int frames) {
    static std::map<int, std::unique_ptr<MotionFile>> files;
    std::unique_ptr<MotionFile>& file = files[frames];
    if (!file) {
        file = std::make_unique<MotionFile>(frames);
    }
    return *file;
}

// The floor: every number of the file, read from memory with strtof.
void BM_StrtofAlone(benchmark::State& state) {
    std::ifstream in(motionFile(int(state.range(0))).path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const char* values = text.c_str() + text.find("Frame Time:") + 11;
    for (auto _ : state) {
        float sum = 0.f;
        char* end = nullptr;
        for (const char* at = values;; at = end) {
            float value = std::strtof(at, &end);
            if (end == at) {
                break;
            }
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_StrtofAlone)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The reader alone: the file read in a plane that drives nothing, so every
// value is read and converted but no key frame is made.
void BM_ReadBVHWithoutKeyFrames(benchmark::State& state) {
    const std::string& path = motionFile(int(state.range(0))).path;
    zelk::bones::Body2D body;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body.loadBVH(path.c_str(), 3));
    }
}
BENCHMARK(BM_ReadBVHWithoutKeyFrames)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The whole load in the XZ plane, key frames included.
void BM_LoadBVH(benchmark::State& state) {
    const std::string& path = motionFile(int(state.range(0))).path;
    zelk::bones::Body2D body;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body.loadBVHXZ(path.c_str()));
    }
    state.counters["lines per bone"] = body.getBone(1)->animationAngle.getInterpolationSize();
}
BENCHMARK(BM_LoadBVH)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBVH)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A body loaded with the motion of that many frames, an object hung on every
// bone and one clip over the whole motion playing in a loop; made once, as
// the benchmark runs more than once.
struct PlayingBody {
    explicit PlayingBody(int frames) {
        body.loadBVHXZ(motionFile(frames).path.c_str());
        parts.resize(body.getBonesSize());
        for (unsigned int at = 0; at < body.getBonesSize(); at++) {
            body.getBone(at)->addConnectionObject(&parts[at]);
        }
        body.addNewAnimationName("all", 0.f, 0.04f * float(frames - 1));
        body.loopOn();
        body.playNameForward("all");
    }

    zelk::bones::Body2D body;
    std::vector<zelk::Object2DValues> parts;
};

// The clip played in steps of a 60th of a second, the objects placed after
// each step.
void BM_PlayClip(benchmark::State& state) {
    static std::map<int, std::unique_ptr<PlayingBody>> bodies;
    std::unique_ptr<PlayingBody>& playing = bodies[int(state.range(0))];
    if (!playing) {
        playing = std::make_unique<PlayingBody>(int(state.range(0)));
    }
    for (auto _ : state) {
        playing->body.stepAnimations(1.f / 60.f);
        playing->body.updateObjects();
    }
    benchmark::DoNotOptimize(playing->parts.data());
}
BENCHMARK(BM_PlayClip)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
