#ifndef ZELK_ANIMATION_INTERPOLATIONCURVE1D_H
#define ZELK_ANIMATION_INTERPOLATIONCURVE1D_H

#include "zelk/animation/InterpolationLine1D.h"

namespace zelk {
namespace animation {

// A one-value line under another name; it adds nothing.
class InterpolationCurve1D : public InterpolationLine1D {
public:
    InterpolationCurve1D();
    ~InterpolationCurve1D() override;
};

} // namespace animation
} // namespace zelk

#endif
