#include <GL/glew.h>

#include "support/GLContext.h"
#include "zelk/GU.h"
#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/PrismaticJoint2D.h"
#include "zelk/physics2D/PulleyJoint2D.h"
#include "zelk/physics2D/RevoluteJoint2D.h"
#include "zelk/physics2D/RopeJoint2D.h"
#include "zelk/physics2D/WheelJoint2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using zelk::color3f32;
using zelk::GU;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::DistanceJoint2D;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::Joint2D;
using zelk::physics2D::PrismaticJoint2D;
using zelk::physics2D::PulleyJoint2D;
using zelk::physics2D::RevoluteJoint2D;
using zelk::physics2D::RopeJoint2D;
using zelk::physics2D::WheelJoint2D;
using zelk::test::getFloats;
using zelk::test::getInteger;

namespace {

struct Segment {
    vec2f32 from;
    vec2f32 to;
};

const color3f32 orange(1.0f, 0.5f, 0.0f);

// Joints drawn in OpenGL's feedback mode, one drawing unit a pixel with the
// origin in the middle of the view, and read back as line segments.
class JointDrawTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        GU::guSetViewport(0, 0, width, height);
        GU::guUseMatrix(GL_PROJECTION);
        GU::guLoadIdentity();
        GU::guUseOrtho(-width / 2, width / 2, -height / 2, height / 2, -1, 1);
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
    }

    std::vector<Segment> segmentsOf(Joint2D& joint, size2f32 size) {
        std::vector<GLfloat> buffer(1024);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        joint.draw(size, orange);
        GLint count = glRenderMode(GL_RENDER);
        std::vector<Segment> segments;
        for (GLint i = 0; i + 4 < count;) {
            EXPECT_TRUE(buffer[i] == GL_LINE_TOKEN || buffer[i] == GL_LINE_RESET_TOKEN);
            segments.push_back(Segment{toDrawing(buffer[i + 1], buffer[i + 2]),
                                       toDrawing(buffer[i + 3], buffer[i + 4])});
            i += 5;
        }
        EXPECT_EQ(1, getInteger(GL_MODELVIEW_STACK_DEPTH));
        return segments;
    }

    static vec2f32 toDrawing(float windowX, float windowY) {
        return vec2f32(windowX - width / 2, windowY - height / 2);
    }

    static void expectSegment(vec2f32 from, vec2f32 to, const Segment& segment) {
        EXPECT_NEAR(from.x, segment.from.x, 1e-3f);
        EXPECT_NEAR(from.y, segment.from.y, 1e-3f);
        EXPECT_NEAR(to.x, segment.to.x, 1e-3f);
        EXPECT_NEAR(to.y, segment.to.y, 1e-3f);
    }

    static void expectColour() {
        std::vector<float> colour = getFloats(GL_CURRENT_COLOR, 4);
        EXPECT_EQ((std::vector<float>{1.0f, 0.5f, 0.0f, 1.0f}), colour);
    }
};

} // namespace

TEST_F(JointDrawTest, WeldDrawsNothing) {
    Joint2D weld(false);
    weld.worldPositionA = vec2f32(1, 1);
    EXPECT_TRUE(segmentsOf(weld, size2f32(4, 4)).empty());
}

TEST_F(JointDrawTest, RevoluteDrawsACrossOfItsSizeOnTheAnchor) {
    RevoluteJoint2D joint(false);
    std::vector<Segment> cross = segmentsOf(joint, size2f32(2, 2));
    ASSERT_EQ(2u, cross.size());
    expectSegment(vec2f32(-1, 1), vec2f32(1, -1), cross[0]);
    expectSegment(vec2f32(1, 1), vec2f32(-1, -1), cross[1]);
    expectColour();

    joint.worldPositionA = vec2f32(5, -3);
    cross = segmentsOf(joint, size2f32(4, 2));
    ASSERT_EQ(2u, cross.size());
    expectSegment(vec2f32(3, -2), vec2f32(7, -4), cross[0]);
}

TEST_F(JointDrawTest, DistanceAndPrismaticDrawOneLineFromAnchorA) {
    DistanceJoint2D distance(false);
    distance.worldPositionA = vec2f32(-4, 2);
    distance.worldPositionB = vec2f32(6, 8);
    std::vector<Segment> line = segmentsOf(distance, size2f32(9, 9));
    ASSERT_EQ(1u, line.size());
    expectSegment(vec2f32(-4, 2), vec2f32(6, 8), line[0]);

    PrismaticJoint2D prismatic(false);
    prismatic.worldPositionA = vec2f32(1, 2);
    line = segmentsOf(prismatic, size2f32(3, -5));
    ASSERT_EQ(1u, line.size());
    expectSegment(vec2f32(1, 2), vec2f32(4, -3), line[0]);
    expectColour();
}

TEST_F(JointDrawTest, PulleyDrawsAStripThroughBothPulleyPoints) {
    PulleyJoint2D pulley(false);
    pulley.worldPositionA = vec2f32(-5, -5);
    pulley.pulleyPositionA = vec2f32(-5, 10);
    pulley.pulleyPositionB = vec2f32(5, 10);
    pulley.worldPositionB = vec2f32(5, 0);
    std::vector<Segment> strip = segmentsOf(pulley, size2f32());
    ASSERT_EQ(3u, strip.size());
    expectSegment(vec2f32(-5, -5), vec2f32(-5, 10), strip[0]);
    expectSegment(vec2f32(-5, 10), vec2f32(5, 10), strip[1]);
    expectSegment(vec2f32(5, 10), vec2f32(5, 0), strip[2]);
}

TEST_F(JointDrawTest, WheelDrawsFromObjectToObjectToTheAnchorAndNothingWithoutObjects) {
    WheelJoint2D wheel(false);
    EXPECT_TRUE(segmentsOf(wheel, size2f32()).empty());
    DynamicObject2D chassis;
    chassis.position = vec2f32(0, 4);
    DynamicObject2D tyre;
    tyre.position = vec2f32(3, 0);
    wheel.objectA = &chassis;
    wheel.objectB = &tyre;
    wheel.worldPositionA = vec2f32(3, 2);
    std::vector<Segment> strip = segmentsOf(wheel, size2f32());
    ASSERT_EQ(2u, strip.size());
    expectSegment(vec2f32(0, 4), vec2f32(3, 0), strip[0]);
    expectSegment(vec2f32(3, 0), vec2f32(3, 2), strip[1]);
}

TEST_F(JointDrawTest, RopeDrawsBetweenTheAnchorsTurnedWithTheirObjects) {
    RopeJoint2D rope(false);
    EXPECT_TRUE(segmentsOf(rope, size2f32()).empty());
    DynamicObject2D first;
    first.position = vec2f32(1, 1);
    first.angle = 90.0f;
    DynamicObject2D second;
    second.position = vec2f32(-4, 0);
    second.angle = 180.0f;
    rope.objectA = &first;
    rope.objectB = &second;
    rope.positionA = vec2f32(2, 1);
    rope.positionB = vec2f32(0, 3);
    std::vector<Segment> line = segmentsOf(rope, size2f32());
    ASSERT_EQ(1u, line.size());
    expectSegment(vec2f32(0, 3), vec2f32(-4, -3), line[0]);
    EXPECT_NEAR(0.0f, rope.drawPosition.x, 1e-5f);
    EXPECT_NEAR(-3.0f, rope.drawPosition.y, 1e-5f);
}
