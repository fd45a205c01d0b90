#include "zelk/vector/Stack.h"
#include "zelk/WindowEvents.h"
#include "zelk/bones/Body2D.h"
#include "zelk/vector/Array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <vector>

using zelk::vector::Array;
using zelk::vector::Stack;

namespace {

// The skeleton's channel link: a bone pointer and a channel code, both zero
// by default.
using Bone = zelk::bones::Bone2D;
using ChannelLink = zelk::bones::Body2D::ChannelLink;

// The input record's ctrlPressed, numbered: each record pushes its number into
// its own stack of keys, and its destructor logs the number before the
// record's own destructor frees that stack.
struct CtrlPressed : zelk::WindowEvents::ctrlPressed {
    static int created;
    static std::vector<int> destroyed;
    int number;
    CtrlPressed() : number(created++) { keys.pushBack(static_cast<unsigned int>(number)); }
    ~CtrlPressed() { destroyed.push_back(number); }
};
int CtrlPressed::created = 0;
std::vector<int> CtrlPressed::destroyed;

// A record that counts how many of it are alive, to watch blocks come and go.
struct Counted {
    static int alive;
    int value;
    Counted() : value(0) { alive++; }
    Counted(int value) : value(value) { alive++; }
    Counted(const Counted& other) : value(other.value) { alive++; }
    Counted& operator=(const Counted& other) = default;
    ~Counted() { alive--; }
};
int Counted::alive = 0;

std::vector<int> contents(Stack<int*>& stack) {
    std::vector<int> values;
    for (unsigned int position = 0; position < stack.size(); position++) {
        values.push_back(stack.havePos(position) ? *stack[position] : 0);
    }
    return values;
}

// Five elements a..e (1..5) at positions 0..4.
struct FiveElements {
    int values[5] = {1, 2, 3, 4, 5};
    Stack<int*> stack;
    FiveElements() {
        for (int& value : values) {
            stack.pushBack(&value);
        }
    }
};

} // namespace

TEST(Array, TestsEveryPositionAndReturnsCopies) {
    Array<ChannelLink> links;
    EXPECT_FALSE(links.have(0));
    EXPECT_EQ(nullptr, links.get(0).bone);
    EXPECT_FALSE(links.set(0, ChannelLink()));
    EXPECT_TRUE(links.createArray(3));
    EXPECT_EQ(3u, links.size());
    Bone bone;
    EXPECT_TRUE(links.set(2, ChannelLink(&bone, 5)));
    EXPECT_FALSE(links.set(3, ChannelLink(&bone, 5)));
    EXPECT_EQ(&bone, links.get(2).bone);
    EXPECT_EQ(5, links[2].channel);
    ChannelLink outside = links.get(3);
    EXPECT_EQ(nullptr, outside.bone);
    EXPECT_EQ(0, outside.channel);
    ChannelLink copy = links[2];
    copy.channel = 9;
    EXPECT_NE(copy.channel, links[2].channel);

    EXPECT_FALSE(links.createArray(0));
    EXPECT_EQ(0u, links.getSize());
    EXPECT_FALSE(links.have(0));
}

TEST(Array, CreateArrayValueInitialises) {
    Array<unsigned int> numbers;
    ASSERT_TRUE(numbers.createArray(4096));
    for (unsigned int position = 0; position < numbers.size(); position++) {
        numbers.set(position, 0xFFFFFFFFu);
    }
    ASSERT_TRUE(numbers.createArray(4096));
    unsigned int nonZero = 0;
    for (unsigned int position = 0; position < numbers.size(); position++) {
        nonZero += numbers[position] != 0;
    }
    EXPECT_EQ(0u, nonZero);

    Array<int*> pointers;
    ASSERT_TRUE(pointers.createArray(8));
    for (unsigned int position = 0; position < 8; position++) {
        EXPECT_EQ(nullptr, pointers.get(position));
    }
}

TEST(Array, SharedCopyMarkedCantDeleteVectorKeepsTheStorage) {
    Array<int> source;
    source.createArray(2);
    source.set(1, 42);
    {
        Array<int> copy(source);
        EXPECT_EQ(42, copy[1]);
        copy.cantDeleteVector();
    }
    EXPECT_EQ(42, source[1]);
    source.deleteArray();
    EXPECT_EQ(0u, source.size());
    EXPECT_EQ(0, source.get(1));
}

TEST(Array, DeletingRecordsRunsEachDestructorLastFirst) {
    CtrlPressed::created = 0;
    CtrlPressed::destroyed.clear();
    {
        Array<CtrlPressed> records;
        ASSERT_TRUE(records.createArray(3));
        records.deleteArray();
        EXPECT_EQ((std::vector<int>{2, 1, 0}), CtrlPressed::destroyed);
        ASSERT_TRUE(records.createArray(2));
    }
    EXPECT_EQ((std::vector<int>{2, 1, 0, 4, 3}), CtrlPressed::destroyed);

    Stack<zelk::WindowEvents::ctrlPressed> stack;
    stack.clean();
    EXPECT_EQ(0u, stack.size());
}

TEST(Stack, EmptyStackRefusesEverything) {
    Stack<int*> stack;
    EXPECT_EQ(0u, stack.size());
    EXPECT_FALSE(stack.havePos(0));
    EXPECT_EQ(nullptr, stack.get(0));
    int value = 1;
    EXPECT_FALSE(stack.set(0, &value));
    EXPECT_FALSE(stack.swap(0, 0));
    EXPECT_FALSE(stack.bringPositionTo(0, 0));
    EXPECT_FALSE(stack.bringPositionPlusOne(0));
    EXPECT_FALSE(stack.bringPositionMinusOne(0));
    EXPECT_FALSE(stack.bringPositionPlusTimes(0, 1));
    EXPECT_FALSE(stack.bringPositionMinusTimes(0, 0));
    EXPECT_EQ(nullptr, stack.remove(0));
    EXPECT_EQ(nullptr, stack.popBack());
    stack.clean();
    EXPECT_EQ(0u, stack.size());
    EXPECT_EQ(0u, stack.pushBack(&value));
    EXPECT_EQ(&value, stack[0]);
}

TEST(Stack, BlocksComeAndGoWithTheirFirstSlot) {
    Counted::alive = 0;
    {
        Stack<Counted> stack;
        for (int value = 0; value < 10; value++) {
            stack.pushBack(Counted(value));
        }
        EXPECT_EQ(10, Counted::alive);
        stack.pushBack(Counted(10));
        EXPECT_EQ(20, Counted::alive);
        EXPECT_EQ(10, stack.popBack().value);
        EXPECT_EQ(10, Counted::alive);
        EXPECT_EQ(10u, stack.size());

        stack.clean(0);
        EXPECT_EQ(0, Counted::alive);
        stack.pushBack(Counted(1));
        EXPECT_EQ(10, Counted::alive);

        stack.clean(1);
        stack.pushBack(Counted(1));
        stack.pushBack(Counted(2));
        EXPECT_EQ(2, Counted::alive);
    }
    EXPECT_EQ(0, Counted::alive);

    Stack<Counted> zeroSize(0);
    zeroSize.pushBack(Counted(1));
    EXPECT_EQ(10, Counted::alive);
}

TEST(Stack, PushBackReusesTheRootOfTheFreedPositions) {
    FiveElements five;
    int extra[3] = {6, 7, 8};
    EXPECT_EQ(&five.values[1], five.stack.remove(1));
    EXPECT_EQ(&five.values[3], five.stack.remove(3));
    EXPECT_EQ(5u, five.stack.size());
    EXPECT_FALSE(five.stack.havePos(1));
    EXPECT_FALSE(five.stack.havePos(3));
    EXPECT_EQ(nullptr, five.stack.get(1));
    EXPECT_EQ(1u, five.stack.pushBack(&extra[0]));
    EXPECT_EQ(3u, five.stack.pushBack(&extra[1]));
    EXPECT_EQ(5u, five.stack.pushBack(&extra[2]));
    EXPECT_EQ((std::vector<int>{1, 6, 3, 7, 5, 8}), contents(five.stack));

    // The first position freed into an empty tree stays at its root.
    FiveElements again;
    again.stack.remove(3);
    again.stack.remove(1);
    EXPECT_EQ(3u, again.stack.pushBack(&extra[0]));
    EXPECT_EQ(1u, again.stack.pushBack(&extra[1]));
}

TEST(Stack, RemovingTheLastPositionDropsTheFreedOnesBelow) {
    FiveElements five;
    five.stack.remove(1);
    five.stack.remove(2);
    five.stack.remove(3);
    EXPECT_EQ(&five.values[4], five.stack.remove(4));
    EXPECT_EQ(1u, five.stack.size());
    EXPECT_EQ(nullptr, five.stack.remove(4));
    EXPECT_EQ(nullptr, five.stack.remove(7));
    EXPECT_EQ(1u, five.stack.pushBack(&five.values[1]));
}

TEST(Stack, SwapCarriesAFreedPosition) {
    FiveElements five;
    five.stack.remove(2);
    EXPECT_TRUE(five.stack.swap(0, 2));
    EXPECT_FALSE(five.stack.havePos(0));
    EXPECT_TRUE(five.stack.havePos(2));
    EXPECT_EQ(&five.values[0], five.stack[2]);
    EXPECT_EQ(nullptr, five.stack[0]);
    EXPECT_FALSE(five.stack.swap(0, 5));
    EXPECT_TRUE(five.stack.swap(0, 0));
    EXPECT_FALSE(five.stack.havePos(0));

    // With a freed position last, popBack only drops it.
    EXPECT_TRUE(five.stack.swap(0, 4));
    EXPECT_EQ(nullptr, five.stack.popBack());
    EXPECT_EQ(4u, five.stack.size());
    EXPECT_EQ(&five.values[4], five.stack[0]);
}

TEST(Stack, BringPositionShiftsTheElementsBetween) {
    FiveElements up;
    EXPECT_TRUE(up.stack.bringPositionTo(1, 4));
    EXPECT_EQ((std::vector<int>{1, 3, 4, 5, 2}), contents(up.stack));

    FiveElements down;
    EXPECT_TRUE(down.stack.bringPositionTo(4, 1));
    EXPECT_EQ((std::vector<int>{1, 5, 2, 3, 4}), contents(down.stack));
    EXPECT_TRUE(down.stack.bringPositionTo(2, 2));
    EXPECT_TRUE(down.stack.bringPositionPlusOne(0));
    EXPECT_TRUE(down.stack.bringPositionMinusOne(4));
    EXPECT_EQ((std::vector<int>{5, 1, 2, 4, 3}), contents(down.stack));
    EXPECT_FALSE(down.stack.bringPositionPlusOne(4));
    EXPECT_FALSE(down.stack.bringPositionMinusOne(0));

    FiveElements freed;
    freed.stack.remove(3);
    EXPECT_FALSE(freed.stack.bringPositionTo(1, 3));
    EXPECT_FALSE(freed.stack.bringPositionTo(3, 0));
    EXPECT_FALSE(freed.stack.bringPositionMinusTimes(1, 2));
    EXPECT_TRUE(freed.stack.bringPositionPlusOne(2));
    EXPECT_TRUE(freed.stack.havePos(3));
    EXPECT_FALSE(freed.stack.havePos(2));
}

TEST(Stack, BringPositionRefusesADestinationBeyondThirtyTwoBits) {
    FiveElements five;
    EXPECT_FALSE(five.stack.bringPositionPlusTimes(1, 0xFFFFFFFFu));
    // 3 + 0xFFFFFFFE wraps to the live position 1.
    EXPECT_FALSE(five.stack.bringPositionPlusTimes(3, 0xFFFFFFFEu));
    EXPECT_FALSE(five.stack.bringPositionMinusTimes(1, 0xFFFFFFFFu));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), contents(five.stack));
}

TEST(Stack, CopyMarkedCantDestroyLeavesTheSourceIntact) {
    FiveElements five;
    five.stack.remove(2);
    {
        Stack<int*> copy(five.stack);
        EXPECT_EQ(5u, copy.size());
        EXPECT_FALSE(copy.havePos(2));
        EXPECT_EQ(&five.values[4], copy[4]);
        copy.cantDestroy();
    }
    EXPECT_EQ((std::vector<int>{1, 2, 0, 4, 5}), contents(five.stack));
    EXPECT_EQ(2u, five.stack.pushBack(&five.values[2]));
}

TEST(Stack, HoldsRecordsByValue) {
    Stack<ChannelLink> links(3);
    Bone bones[4];
    for (unsigned char channel = 0; channel < 4; channel++) {
        EXPECT_EQ(channel, links.pushBack(ChannelLink(&bones[channel], channel)));
    }
    EXPECT_EQ(&bones[3], links[3].bone);
    EXPECT_EQ(3, links.get(3).channel);
    EXPECT_TRUE(links.set(1, ChannelLink(&bones[0], 7)));
    EXPECT_EQ(7, links[1].channel);
    EXPECT_EQ(nullptr, links.get(4).bone);
    EXPECT_EQ(0, links.get(4).channel);
    links.clean();
    EXPECT_EQ(0u, links.size());
}

// Every operation against a model: a vector of slots where a freed position
// is empty. pushBack must fill some freed position when there is one.
TEST(Stack, MatchesAModelUnderRandomOperations) {
    for (unsigned int blockSize : {1u, 3u, 10u}) {
        std::mt19937 random(7 + blockSize);
        Stack<unsigned int> stack(blockSize);
        std::vector<std::optional<unsigned int>> model;
        unsigned int next = 1;
        auto live = [&](unsigned int position) {
            return position < model.size() && model[position].has_value();
        };
        auto dropFreedEnd = [&] {
            while (!model.empty() && !model.back()) {
                model.pop_back();
            }
        };
        for (int step = 0; step < 20000; step++) {
            unsigned int range = static_cast<unsigned int>(model.size()) + 2;
            unsigned int a = random() % range;
            unsigned int b = random() % range;
            switch (random() % 8) {
            case 0:
            case 1: {
                unsigned int position = stack.pushBack(next);
                if (std::find(model.begin(), model.end(), std::nullopt) != model.end()) {
                    ASSERT_LT(position, model.size());
                    ASSERT_FALSE(model[position].has_value());
                    model[position] = next;
                } else {
                    ASSERT_EQ(model.size(), position);
                    model.push_back(next);
                }
                next++;
                break;
            }
            case 2: {
                unsigned int expected = live(a) ? *model[a] : 0;
                ASSERT_EQ(expected, stack.remove(a));
                if (live(a) && a + 1 == model.size()) {
                    model.pop_back();
                    dropFreedEnd();
                } else if (live(a)) {
                    model[a].reset();
                }
                break;
            }
            case 3: {
                unsigned int expected = 0;
                if (!model.empty()) {
                    expected = model.back().value_or(0);
                    model.pop_back();
                    dropFreedEnd();
                }
                ASSERT_EQ(expected, stack.popBack());
                break;
            }
            case 4:
                ASSERT_EQ(a < model.size() && b < model.size(), stack.swap(a, b));
                if (a < model.size() && b < model.size()) {
                    std::swap(model[a], model[b]);
                }
                break;
            case 5: {
                bool movable = live(a) && live(b);
                ASSERT_EQ(movable, stack.bringPositionTo(a, b));
                if (movable && b > a) {
                    std::rotate(model.begin() + a, model.begin() + a + 1, model.begin() + b + 1);
                } else if (movable) {
                    std::rotate(model.begin() + b, model.begin() + a, model.begin() + a + 1);
                }
                break;
            }
            case 6:
                ASSERT_EQ(live(a), stack.set(a, next));
                if (live(a)) {
                    model[a] = next;
                }
                next++;
                break;
            default:
                ASSERT_EQ(live(a) && a + 1 < model.size(), stack.bringPositionPlusOne(a));
                if (live(a) && a + 1 < model.size()) {
                    std::swap(model[a], model[a + 1]);
                }
                break;
            }
            ASSERT_EQ(model.size(), stack.size());
            for (unsigned int position = 0; position < range; position++) {
                ASSERT_EQ(live(position), stack.havePos(position));
                ASSERT_EQ(live(position) ? *model[position] : 0, stack[position]);
            }
        }
    }
}

// Reads after the block last read is freed, and after the chain is rebuilt
// with another block size, must find the new blocks.
TEST(Stack, ReadsFindTheBlocksThatReplaceFreedOnes) {
    Stack<unsigned int> stack(2);
    for (unsigned int value = 0; value < 6; value++) {
        stack.pushBack(value);
    }
    EXPECT_EQ(5u, stack[5]);
    stack.popBack();
    stack.popBack();
    EXPECT_EQ(4u, stack.pushBack(40));
    EXPECT_EQ(40u, stack[4]);
    EXPECT_EQ(3u, stack[3]);

    stack.clean();
    for (unsigned int value = 0; value < 6; value++) {
        stack.pushBack(value + 10);
    }
    EXPECT_EQ(15u, stack[5]);
    EXPECT_EQ(14u, stack[4]);

    stack.clean(3);
    for (unsigned int value = 0; value < 9; value++) {
        stack.pushBack(value + 20);
    }
    EXPECT_EQ(22u, stack[2]);
    EXPECT_EQ(28u, stack[8]);
    EXPECT_TRUE(stack.set(7, 77));
    EXPECT_EQ(77u, stack[7]);
}
