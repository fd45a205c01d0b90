// A BVH motion file, read through a file on the plane its length picks,
// then played a few steps with its objects placed.
#include "FuzzInput.h"

#include "zelk/bones/Body2D.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = zelk::fuzz::inputFile(data, size, ".bvh");
    zelk::bones::Body2D body;
    if (body.loadBVH(path.c_str(), static_cast<unsigned char>(size % 3))) {
        body.playForward();
        for (int step = 0; step < 3; step++) {
            body.stepAnimations(0.05f);
            body.updateObjects();
        }
    }
    return 0;
}
