#ifndef ZELK_BONES_BODY2D_H
#define ZELK_BONES_BODY2D_H

#include "zelk/Object2DValues.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/bones/Bone2D.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Stack.h"

namespace zelk {

class File;

namespace bones {

class BVHReader;

// A 2D skeleton placed like an object (position, angle in degrees, size): a
// root bone held by value, every other bone by name, and a selected bone
// under which new bones are created. Its operations drive the bones: clips
// play on every bone, updateObjects() places the objects hung on the bones,
// and inverse kinematics turns chains of bones towards a goal. A negative
// width or height mirrors the whole.
//
// loadBVH reads a skeleton and its motion from a BVH motion-capture file,
// projected onto the XY (mode 0), XZ (1) or YZ (2) plane. Besides the strict
// layout (single spaces or tabs, LF line ends) it reads what other tools
// write: runs of blanks, CR LF line ends, a UTF-8 byte-order mark, indented
// braces. Blocks nested deeper than 256 levels are skipped, and a file makes
// at most 4096 bones.
//
// Ownership: the body owns every bone of its tree and deletes them when it
// dies. The copy constructor is shallow; the copy is told cantDelete(),
// after which it frees nothing.
class Body2D : public Object2DValues {
public:
    // Every bone but the root, ordered by name; never deletes a bone.
    class TreeBoneName : public zelk::vector::BinaryTree<Bone2D*> {
    public:
        bool firstBiggerSecond(Bone2D* first, Bone2D* second) override;
        bool firstEqualSecond(Bone2D* first, Bone2D* second) override;
        Bone2D* getElementByName(char* name);
        Bone2D* getElementByName(const char* name);
        // Deletes every bone, then the nodes.
        void deleteAllBones();
    };

    // One channel of a BVH file: the bone it drives (null for none) and its
    // code, 1 to 6 for "Xposition", "Yposition", "Zposition", "Xrotation",
    // "Yrotation", "Zrotation"; 0 for a channel that drives nothing.
    class ChannelLink {
    public:
        ChannelLink() : bone(nullptr), channel(0) {}
        ChannelLink(Bone2D* bone, uint8 channel) : bone(bone), channel(channel) {}

        Bone2D* bone;
        uint8 channel;
    };

    Body2D();
    // Shallow: the copy shares the bones.
    Body2D(const Body2D& other);
    Body2D& operator=(const Body2D&) = delete;
    virtual ~Body2D();

    // Marks a shallow copy: its destruction deletes nothing.
    virtual void cantDelete();

    // A new bone of that name under the selected bone, at the position (the
    // selected bone's end vector becomes the position too) and angle; null
    // for a null or empty name or one a bone of the body carries already.
    // The selection does not change.
    Bone2D* createBoneToSelected(char* name);
    Bone2D* createBoneToSelected(const char* name);
    Bone2D* createBoneToSelected(char* name, vec2f32 position);
    Bone2D* createBoneToSelected(const char* name, vec2f32 position);
    Bone2D* createBoneToSelected(char* name, float x, float y);
    Bone2D* createBoneToSelected(const char* name, float x, float y);
    Bone2D* createBoneToSelected(char* name, vec2f32 position, float angle);
    Bone2D* createBoneToSelected(const char* name, vec2f32 position, float angle);
    Bone2D* createBoneToSelected(char* name, float x, float y, float angle);
    Bone2D* createBoneToSelected(const char* name, float x, float y, float angle);
    // Moves a bone of the body (found by name) with everything below it
    // under the selected bone. Refused (false): null, a bone not in the body,
    // the root, and a move of a bone under itself or under a bone below it.
    bool addBoneToSelected(Bone2D* bone);
    bool addBoneToSelected(char* name);
    bool addBoneToSelected(const char* name);
    // Selects the bone; the root and false when it is not one of the body's.
    bool selectBone(Bone2D* bone);
    bool selectBoneByName(char* name);
    bool selectBoneByName(const char* name);
    // These set the selected bone's value and answer false.
    bool selectedSetPosition(vec2f32 position);
    bool selectedSetPosition(float x, float y);
    bool selectedSetVector(vec2f32 vector);
    bool selectedSetVector(float x, float y);
    bool selectedSetAngle(float angle);
    // The bones with the root.
    unsigned int getBonesSize();
    // 0 is the root, then the other bones in ascending name order; null past
    // the end.
    Bone2D* getBone(unsigned int position);
    // The root when the name is its own.
    Bone2D* getBoneByName(char* name);
    Bone2D* getBoneByName(const char* name);
    void cleanSelected();
    // Deletes a bone other than the root; the bones below it stay in the
    // body but are no longer reached from the root.
    bool deleteBone(Bone2D* bone);
    bool deleteBone(char* name);
    bool deleteBone(const char* name);
    // Deletes every bone and cleans the root (its end vector becomes (0, 1)).
    void deleteAllBones();

    // The attached-object operations of the bone of that name; false or 0
    // without such a bone.
    bool addConnectionObject(char* name, Object2DValues* object);
    bool addConnectionObject(const char* name, Object2DValues* object);
    unsigned int getConnectionObjectSize(char* name);
    unsigned int getConnectionObjectSize(const char* name);
    bool removeConnectionObject(char* name, Object2DValues* object);
    bool removeConnectionObject(const char* name, Object2DValues* object);
    bool removeConnectionObjectInPosition(char* name, unsigned int position);
    bool removeConnectionObjectInPosition(const char* name, unsigned int position);
    bool removeAllConnectionObjects(char* name);
    bool removeAllConnectionObjects(const char* name);
    // Detaches every object from every bone but the root.
    void removeAllConnectionObjects();

    // The root bone's recursive operations: clips play on every bone, and a
    // clip operation answers with the root's own result.
    void updateAnimations();
    // updateAnimations with every clock moved by the given seconds.
    void stepAnimations(float seconds);
    void scaleAnimations(float factor);
    void scaleAnimationsPosition(float factor);
    void scaleAnimationsAngle(float factor);
    void setAnimationsSpeed(float speed);
    void setAnimationsPositionSpeed(float speed);
    void setAnimationsAngleSpeed(float speed);
    void playForward();
    void playForwardIn(float second);
    void playRewind();
    void playRewindIn(float second);
    void pause();
    void stop();
    void setLoop(bool loop);
    void loopOn();
    void loopOff();
    void printFrames();
    bool addNewAnimationName(char* name, float start, float end);
    bool addNewAnimationName(const char* name, float start, float end);
    bool selectAnimationName(char* name);
    bool selectAnimationName(const char* name);
    bool haveAnimationName(char* name);
    bool haveAnimationName(const char* name);
    bool playNameForward(char* name);
    bool playNameForward(const char* name);
    bool playNameRewind(char* name);
    bool playNameRewind(const char* name);
    bool removeAnimationName(char* name);
    bool removeAnimationName(const char* name);
    void removeAllAnimationNames();
    bool isPlaying();

    // Places every attached object under the body matrix T(position) *
    // R(angle) * S(size).
    void updateObjects();
    // The world end point of a bone of the tree; (0, 0) for null. found may
    // be null.
    vec2f32 getBoneWorldVector(Bone2D* bone, bool* found);
    // Runs times passes of inverse kinematics on the chain that ends at the
    // bone (tail bones long) towards the goal.
    void calculateInverseKinematic(Bone2D* bone, vec2f32 goal, unsigned int tail,
                                   unsigned int times);
    void calculateInverseKinematic(char* name, vec2f32 goal, unsigned int tail, unsigned int times);
    void calculateInverseKinematic(const char* name, vec2f32 goal, unsigned int tail,
                                   unsigned int times);
    void draw();
    void print();

    bool loadBVHXY(char* path);
    bool loadBVHXY(const char* path);
    bool loadBVHXZ(char* path);
    bool loadBVHXZ(const char* path);
    bool loadBVHYZ(char* path);
    bool loadBVHYZ(const char* path);
    // Clears the skeleton and reads the file ("<path>.bvh" unless the path
    // ends in ".bvh"); true when the file opened and held anything.
    bool loadBVH(char* path, unsigned char mode);
    bool loadBVH(const char* path, unsigned char mode);

protected:
    // Reads one hierarchy block from the file's position up to its closing
    // "}" (or the end of the file), with the bone the block belongs to and
    // its parent's bone (either may be null); answers the number of channels
    // declared in it and below.
    unsigned int loadHierarkhy(File* file, Bone2D* parent, Bone2D* bone, unsigned char mode,
                               zelk::vector::Stack<ChannelLink>* channels);
    unsigned int readHierarchy(BVHReader* reader, Bone2D* parent, Bone2D* bone, unsigned char mode,
                               zelk::vector::Stack<ChannelLink>* channels, unsigned int depth);
    void readMotion(BVHReader* reader, unsigned int channelCount, unsigned char mode,
                    zelk::vector::Stack<ChannelLink>* channels);
    // The stored bone carrying the bone's name, null when there is none.
    Bone2D* storedBone(Bone2D* bone);
    // Takes the bone out of its parent's child set, searching from the root
    // (or from the parent given) down; stops at the first removal.
    bool detachBone(Bone2D* bone);
    bool detachBone(Bone2D* parent, Bone2D* bone);

    Bone2D root;
    Bone2D* selected;
    bool canDelete;
    TreeBoneName bones;
};

} // namespace bones
} // namespace zelk

#endif
