#include "zelk/Object.h"
#include "zelk/animation/InterpolationGroup.h"
#include "zelk/animation/InterpolationLine.h"

#include <gtest/gtest.h>

#include <vector>

using zelk::Object;
using zelk::animation::Frame;
using zelk::animation::InterpolationGroup;
using zelk::animation::InterpolationLine;

namespace {

// The animation group, counting its instances; its holders are
// InterpolationGroup variables.
class Group : public InterpolationGroup {
public:
    static int alive;
    static int deleted;
    Group() { alive++; }
    Group(const Group& other) : InterpolationGroup(other) { alive++; }
    ~Group() override {
        alive--;
        deleted++;
    }
};
int Group::alive = 0;
int Group::deleted = 0;

// A shared object whose holders are 32-bit variables holding its code, as a
// texture's are.
class Coded : public Object<Coded> {
public:
    static int deleted;
    explicit Coded(unsigned int code) : code(code) {}
    ~Coded() override { deleted++; }
    void saveObject(Coded** holder) override {
        if (holder) {
            *reinterpret_cast<unsigned int*>(holder) = code;
        }
    }
    void cleanObject(Coded** holder) override {
        if (holder) {
            *reinterpret_cast<unsigned int*>(holder) = 0;
        }
    }
    unsigned int code;
};
int Coded::deleted = 0;

class ObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        Group::alive = 0;
        Group::deleted = 0;
    }
};

} // namespace

TEST_F(ObjectTest, RetainRegistersEachHolderOnce) {
    Group* group = new Group();
    InterpolationGroup* p = nullptr;
    EXPECT_EQ(nullptr, group->retainObject(nullptr));
    EXPECT_EQ(group, group->retainObject(&p));
    EXPECT_EQ(group, p);
    p = nullptr;
    EXPECT_EQ(nullptr, group->retainObject(&p));
    EXPECT_EQ(nullptr, p);
    EXPECT_FALSE(group->releaseObject(nullptr));
    EXPECT_TRUE(group->releaseObject(&p));
    EXPECT_EQ(1, Group::deleted);
    EXPECT_EQ(0, Group::alive);
}

TEST_F(ObjectTest, TheLastReleaseDeletesTheObject) {
    Group* group = new Group();
    InterpolationGroup* p = nullptr;
    InterpolationGroup* q = nullptr;
    EXPECT_TRUE(group->haveOneRetain());
    group->retainObject(&p);
    EXPECT_TRUE(group->haveOneRetain());
    group->retainObject(&q);
    EXPECT_FALSE(group->haveOneRetain());
    EXPECT_TRUE(group->releaseObject(&p));
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(group, q);
    EXPECT_EQ(0, Group::deleted);
    EXPECT_TRUE(group->haveOneRetain());
    EXPECT_TRUE(q->releaseObject(&q));
    EXPECT_EQ(nullptr, q);
    EXPECT_EQ(1, Group::deleted);
    EXPECT_EQ(0, Group::alive);
}

TEST_F(ObjectTest, DeletingTheObjectClearsEveryHolder) {
    Group* group = new Group();
    InterpolationGroup* holders[5] = {};
    for (InterpolationGroup*& holder : holders) {
        group->retainObject(&holder);
    }
    delete group;
    for (InterpolationGroup* holder : holders) {
        EXPECT_EQ(nullptr, holder);
    }
    EXPECT_EQ(0, Group::alive);
}

TEST_F(ObjectTest, RemoveAllClearsTheHoldersAndKeepsTheObject) {
    Group* group = new Group();
    InterpolationGroup* p = nullptr;
    InterpolationGroup* q = nullptr;
    group->retainObject(&p);
    group->retainObject(&q);
    group->removeAll();
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(nullptr, q);
    EXPECT_EQ(1, Group::alive);
    EXPECT_EQ(group, group->retainObject(&p));
    group->releaseObject(&p);
    EXPECT_EQ(0, Group::alive);
}

TEST_F(ObjectTest, ReleasingAnUnregisteredHolderOnlyClearsIt) {
    Group* first = new Group();
    Group* second = new Group();
    InterpolationGroup* held = nullptr;
    second->retainObject(&held);

    // first has no holder; the variable points at second.
    InterpolationGroup* stray = second;
    EXPECT_TRUE(first->releaseObject(&stray));
    EXPECT_EQ(nullptr, stray);
    EXPECT_EQ(2, Group::alive);

    // second has another holder; releasing a stranger changes nothing else.
    InterpolationGroup* stranger = second;
    EXPECT_TRUE(second->releaseObject(&stranger));
    EXPECT_EQ(nullptr, stranger);
    EXPECT_EQ(second, held);
    EXPECT_EQ(2, Group::alive);

    second->releaseObject(&held);
    EXPECT_EQ(1, Group::alive);
    delete first;
    EXPECT_EQ(0, Group::alive);
}

TEST_F(ObjectTest, ThirtyTwoBitHoldersAreNeverReadAsPointers) {
    Coded::deleted = 0;
    Coded* texture = new Coded(77);
    unsigned int a = 5;
    unsigned int b = 6;
    EXPECT_EQ(texture, texture->retainObject(reinterpret_cast<Coded**>(&a)));
    texture->retainObject(reinterpret_cast<Coded**>(&b));
    EXPECT_EQ(77u, a);
    EXPECT_EQ(77u, b);
    texture->releaseObject(reinterpret_cast<Coded**>(&a));
    EXPECT_EQ(0u, a);
    EXPECT_EQ(0, Coded::deleted);
    texture->releaseObject(reinterpret_cast<Coded**>(&b));
    EXPECT_EQ(0u, b);
    EXPECT_EQ(1, Coded::deleted);
}

TEST_F(ObjectTest, CopyMarkedCantDestructLeavesTheSourceHolders) {
    Frame* frame = new Frame();
    Frame* p = nullptr;
    Frame* q = nullptr;
    frame->retainObject(&p);
    frame->retainObject(&q);
    // A line hands its frames out as marked copies.
    InterpolationLine line;
    line.setStart(frame);
    {
        Frame copy = line.getStart();
        EXPECT_FALSE(copy.haveOneRetain());
    }
    EXPECT_EQ(frame, p);
    EXPECT_EQ(frame, q);
    EXPECT_FALSE(frame->haveOneRetain());
    frame->releaseObject(&p);
    EXPECT_EQ(frame, q);
    frame->releaseObject(&q);
    EXPECT_EQ(nullptr, q);
}

TEST_F(ObjectTest, CopiedGroupSharesTheHolderSet) {
    Group* group = new Group();
    InterpolationGroup* p = nullptr;
    group->retainObject(&p);
    Group* copy = new Group(*group);
    EXPECT_EQ(2, Group::alive);
    EXPECT_TRUE(copy->haveOneRetain());
    copy->cantDestruct();
    copy->cantDeleteGroup();
    delete copy;
    EXPECT_EQ(group, p);
    group->releaseObject(&p);
    EXPECT_EQ(0, Group::alive);
}
