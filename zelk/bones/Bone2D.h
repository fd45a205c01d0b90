#ifndef ZELK_BONES_BONE2D_H
#define ZELK_BONES_BONE2D_H

#include "zelk/Object2DValues.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/animation/Interpolation2DGroup.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Name.h"
#include "zelk/vector/NameTree.h"

namespace zelk {
namespace bones {

// One named bone of a 2D skeleton: a start point in its parent's frame, an
// end vector in its own turned frame, an angle relative to the parent in
// degrees, a key-frame animation for the angle and one for the start, child
// bones ordered by name and placed objects hung on it.
//
// Ownership: the skeleton (Body2D) owns every bone; a bone never deletes its
// children. An attached object stays its caller's and must outlive the
// attachment; the bone keeps a record of it and frees that record when the
// object is detached, when the bone is cleaned and when it dies.
//
// Matrices are float[3][3] stored by columns: m[c][r] is column c, row r, and
// a point (x, y) is used as the column (x, y, 1).
//
// The copy constructor is member-wise and shallow; the copy is told
// cantDelete(), after which it frees nothing of what it shares.
class Bone2D : public zelk::vector::Name {
public:
    // One attached object and its placement relative to the bone, taken from
    // the object's position, angle and size when it was attached.
    class ObjectConnect {
    public:
        explicit ObjectConnect(Object2DValues* object);

        vec2f32 position;
        float angle;
        size2f32 size;
        // Not owned.
        Object2DValues* object;
    };

    // The attached objects, ordered by the objects' addresses, so one object
    // is attached at most once. The owning bone sets the matrix, angle,
    // angleRemove, angleMultiply and scale before each update(), which places
    // every object. A copy shares the records and must be told cantDestruct().
    class TreeObjects : public zelk::vector::BinaryTree<ObjectConnect*> {
    public:
        TreeObjects();
        TreeObjects(const TreeObjects& other) = default;
        ~TreeObjects() override;

        // Deletes every record (never an object), then the nodes.
        void clean() override;
        bool firstBiggerSecond(ObjectConnect* first, ObjectConnect* second) override;
        bool firstEqualSecond(ObjectConnect* first, ObjectConnect* second) override;
        // Places one object (skipped when its pointer is null).
        void updateElement(ObjectConnect* connect) override;

        // A new record of the object; false for null or an object already
        // attached.
        bool addObject(Object2DValues* object);
        // Deletes the object's record; false when it is not attached.
        bool removeObject(Object2DValues* object);
        bool removeObjectInPosition(unsigned int position);

        float matrix[3][3];
        float angle;
        float angleRemove;
        float angleMultiply;
        size2f32 scale;

    private:
        bool removeRecord(ObjectConnect* record);
        void deleteRecords();
    };

    Bone2D();
    explicit Bone2D(char* name);
    explicit Bone2D(const char* name);
    Bone2D(const Bone2D& other) = default;
    Bone2D& operator=(const Bone2D&) = delete;
    ~Bone2D() override;

    // Marks a shallow copy: the name, the child set, the attached records and
    // the animations' frames stay with the source.
    void cantDelete() override;

    // Static helpers on 3x3 column matrices; false when a pointer is null.
    static bool setIdentity(float (*matrix)[3][3]);
    static bool copyMatrix(float (*from)[3][3], float (*to)[3][3]);
    // v = m * v.
    static bool multiplyMatrix(float (*m)[3][3], float (*v)[3]);
    // b = a * b: the first argument is the left factor.
    static bool multiplyMatrix(float (*a)[3][3], float (*b)[3][3]);
    static bool generateTranslateMatrix(vec2f32 translate, float (*matrix)[3][3]);
    // Degrees, with the engine's sine and cosine.
    static bool generateRotationMatrix(float angle, float (*matrix)[3][3]);
    static bool generateScaleMatrix(size2f32 scale, float (*matrix)[3][3]);
    // Each row of the matrix whose columns are given: "\n[", " %.2f " per
    // element and "]".
    static bool printMatrix(float (*matrix)[3]);
    static bool printVector(float* vector);

    // Clears both animations, the child set (the children stay alive) and
    // the name, detaches every object; vector (0, 1), angle 0; the position
    // stays.
    void cleanBone();

    // The child set, ordered by name; children are never deleted. Null, the
    // bone itself, a bone this one hangs under, and a name another child
    // carries are refused.
    bool addNext(Bone2D* bone);
    // Only that very bone is removed.
    bool removeNext(Bone2D* bone);
    void removeAllNexts();
    bool removeNextByName(char* name);
    bool removeNextByName(const char* name);
    unsigned int getNextsSize();
    // In ascending name order; null past the end.
    Bone2D* getNextInPosition(unsigned int position);
    // True when the bone is this one or lies below it.
    bool haveInTree(Bone2D* bone);

    bool addConnectionObject(Object2DValues* object);
    unsigned int getConnectionObjectSize();
    bool removeConnectionObject(Object2DValues* object);
    bool removeConnectionObjectInPosition(unsigned int position);
    void removeAllConnectionObjects();

    // Cleans both animations of this bone.
    void removeAllAnimations();

    // The animation operations: the plain form acts on this bone and then on
    // every child (ascending names, recursively) and answers this bone's own
    // result; the form ending in This acts on this bone only.
    void updateAnimations();
    void updateAnimationsThis();
    // The updates with the clocks moved by the given seconds instead of the
    // time measured since the last update.
    void stepAnimations(float seconds);
    void stepAnimationsThis(float seconds);
    void scaleAnimations(float factor);
    void scaleAnimationsPosition(float factor);
    void scaleAnimationsAngle(float factor);
    void setAnimationsSpeed(float speed);
    void setAnimationPositionSpeed(float speed);
    void setAnimationAngleSpeed(float speed);
    void playForward();
    void playForwardThis();
    void playForwardIn(float second);
    void playForwardInThis(float second);
    void playRewind();
    void playRewindThis();
    void playRewindIn(float second);
    void playRewindInThis(float second);
    void pause();
    void pauseThis();
    void stop();
    void stopThis();
    void setLoop(bool loop);
    void setLoopThis(bool loop);
    void loopOn();
    void loopOnThis();
    void loopOff();
    void loopOffThis();
    void printFrames();
    void printFramesThis();
    // Clip operations call both groups and are true when both answer true.
    bool addNewAnimationName(char* name, float start, float end);
    bool addNewAnimationName(const char* name, float start, float end);
    bool addNewAnimationNameThis(char* name, float start, float end);
    bool addNewAnimationNameThis(const char* name, float start, float end);
    bool selectAnimationName(char* name);
    bool selectAnimationName(const char* name);
    bool selectAnimationNameThis(char* name);
    bool selectAnimationNameThis(const char* name);
    bool haveAnimationName(char* name);
    bool haveAnimationName(const char* name);
    bool haveAnimationNameThis(char* name);
    bool haveAnimationNameThis(const char* name);
    bool playNameForward(char* name);
    bool playNameForward(const char* name);
    bool playNameForwardThis(char* name);
    bool playNameForwardThis(const char* name);
    bool playNameRewind(char* name);
    bool playNameRewind(const char* name);
    bool playNameRewindThis(char* name);
    bool playNameRewindThis(const char* name);
    bool removeAnimationName(char* name);
    bool removeAnimationName(const char* name);
    bool removeAnimationNameThis(char* name);
    bool removeAnimationNameThis(const char* name);
    void removeAllAnimationNames();
    void removeAllAnimationNamesThis();
    // True when a group of this bone or of a bone below it plays.
    bool isPlaying();
    bool isPlayingThis();

    // "\n%s position %.2f %.2f end %.2f %.2f angle %.2f", then the children.
    void print();
    // The bone as a line from its start to its end, then its children, under
    // the current matrix (no scale, no matrix stack).
    void draw();

    // Places the attached objects of this bone and of every bone below it:
    // the bone's angle is parentAngle + angle * angleMultiply, its start the
    // parent matrix applied to position (position itself without a matrix),
    // and its matrix T(start) * R(angle) * S(scale).
    void updateObjects(float parentAngle, size2f32 scale, float (*parentMatrix)[3][3],
                       float angleRemove, float angleMultiply);
    // The world end point of the target, this bone or one below it, with
    // *found set when it was reached; (0, 0) when it was not. found may be
    // null.
    vec2f32 getWorldVector(Bone2D* target, bool* found, float parentAngle, size2f32 scale,
                           float (*parentMatrix)[3][3]);
    // One pass of cyclic coordinate descent: the target and then its
    // ancestors, at most tail bones counted from the target, each turned so
    // that the target's end points from its start towards the goal; angles
    // are kept within 0 to 360 by one correction. Answers (0, 0); found and
    // count may be null.
    vec2f32 calculateInverseKinematic(Bone2D* target, bool* found, vec2f32 goal, unsigned int tail,
                                      unsigned int* count, float parentAngle, size2f32 scale,
                                      float (*parentMatrix)[3][3]);

    vec2f32 position;
    vec2f32 vector;
    float angle;
    animation::Interpolation1DGroup animationAngle;
    animation::Interpolation2DGroup animationPosition;

protected:
    // This bone and every bone below it, parents before children, children
    // in ascending name order.
    template <typename Act> void forEachBone(Act&& act) {
        act(this);
        for (unsigned int at = 0; at < nexts.size(); at++) {
            if (Bone2D* next = getNextInPosition(at)) {
                next->forEachBone(act);
            }
        }
    }
    // Advances the clocks, by the stopwatch or by the seconds given, and
    // applies the values of the playing groups.
    void applyClocks(bool measured, float seconds);
    // The bone's start and matrix under its parent's, and its world angle
    // (rotation before the scale).
    float worldPlacement(float parentAngle, size2f32 scale, float (*parentMatrix)[3][3],
                         vec2f32* start, float (*matrix)[3][3]);

    zelk::vector::NameTree nexts;
    TreeObjects objects;
    bool canDelete;
};

} // namespace bones
} // namespace zelk

#endif
