#include "zelk/animation/InterpolationCurve1D.h"

namespace zelk {
namespace animation {

InterpolationCurve1D::InterpolationCurve1D() {}

InterpolationCurve1D::~InterpolationCurve1D() {}

} // namespace animation
} // namespace zelk
