#ifndef ZELK_LIGHT_LIGHT2D_H
#define ZELK_LIGHT_LIGHT2D_H

#include "zelk/light/Light.h"

namespace zelk {
namespace light {

// A light placed and aimed with two components: z 1 and w 0.
class Light2D : public Light {
public:
    Light2D() {}

    using Light::setDirection;
    using Light::setPosition;
    void setPosition(float x, float y) { Light::setPosition(x, y); }
    void setPosition(vec2f32 position) { Light::setPosition(position); }
    void setDirection(float x, float y) { Light::setDirection(x, y); }
    void setDirection(vec2f32 direction) { Light::setDirection(direction); }
};

} // namespace light
} // namespace zelk

#endif
