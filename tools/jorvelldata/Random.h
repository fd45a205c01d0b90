#ifndef JORVELLDATA_RANDOM_H
#define JORVELLDATA_RANDOM_H

#include <cmath>
#include <random>
#include <vector>

namespace jorvelldata {

// Seeded numbers that come out the same on every machine: the Mersenne
// twister's output is fixed by the standard, and so is this scaling.
class Random {
public:
    explicit Random(unsigned int seed) : engine(seed) {}
    // In [0, 1).
    float uniform() { return float(engine() >> 8) / 16777216.0f; }
    float between(float low, float high) { return low + (high - low) * uniform(); }

private:
    std::mt19937 engine;
};

// Smooth one-dimensional noise in [-1, 1]: seeded values at whole numbers,
// eased in between, repeating every `period` units.
class Noise {
public:
    Noise(unsigned int seed, unsigned int period) {
        Random random(seed);
        for (unsigned int i = 0; i < period; ++i) {
            values.push_back(random.between(-1.0f, 1.0f));
        }
    }
    float at(float x) const {
        float whole = std::floor(x);
        float t = x - whole;
        long n = long(values.size());
        long i = ((long(whole) % n) + n) % n;
        float ease = t * t * (3.0f - 2.0f * t);
        return values[i] + (values[(i + 1) % n] - values[i]) * ease;
    }

private:
    std::vector<float> values;
};

} // namespace jorvelldata

#endif
