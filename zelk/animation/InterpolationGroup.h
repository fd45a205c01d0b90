#ifndef ZELK_ANIMATION_INTERPOLATIONGROUP_H
#define ZELK_ANIMATION_INTERPOLATIONGROUP_H

#include "zelk/Object.h"
#include "zelk/animation/AnimationCallback.h"
#include "zelk/animation/AnimationName.h"
#include "zelk/animation/Frame.h"
#include "zelk/animation/InterpolationLine.h"
#include "zelk/vector/NameTree.h"
#include "zelk/vector/Stack.h"
#include "zelk/watch/Time.h"

namespace zelk {
class XML;
namespace animation {

// The key-frame animation: a row of interpolation lines in order of time,
// neighbours sharing their common frame, a current second driven by a
// stopwatch, a playing range with looping and rewinding, named clips that
// pick a part of the range, and a listener told when the range's end is
// reached. It carries no values: Interpolation1DGroup and its kin make the
// lines and frames of their dimension and read the values.
//
// Owners call updateClockAnimation() once a frame: the current second moves by
// the real time since the previous call times the speed. stepClockAnimation
// applies a given elapsed time instead of the stopwatch's, for fixed steps and
// tests.
//
// The first key frame added waits alone (the waiting first frame) until a
// second one makes the first line. The group owns its lines, its waiting
// frame and its clips. A copy shares all of them with its source and must be
// marked with cantDeleteGroup() before it is destroyed.
class InterpolationGroup : public Object<InterpolationGroup> {
public:
    InterpolationGroup();
    // Shallow: the copy shares the source's lines, clips and holders.
    InterpolationGroup(const InterpolationGroup& other);
    ~InterpolationGroup() override;

    // Advances the current second by the stopwatch's time since the previous
    // update (any update: stopped and paused groups restart it too); answers
    // the current second.
    virtual float updateClockAnimation();
    // The element "anim_" followed by the id with its "loop" attribute, the
    // waiting frame or the frames of the lines ("frame_" numbered in order of
    // time), the curves of the lines and the clips; the cursor stays where it
    // was. False for a null cursor or when the element cannot be added.
    virtual bool writeToXML(XML* xml, unsigned int id);
    // Replaces the animation with the one in "anim_" followed by the id;
    // false, and nothing changed, when there is none; otherwise true when at
    // least one frame was read.
    virtual bool readFromXML(XML* xml, unsigned int id);
    virtual InterpolationLine* newLineInterpolation();
    virtual Frame* newFrame();
    // "Start second %.2f end second %.2f"; nothing for null.
    virtual void printInterpolationLine(InterpolationLine* line);

    // The update with an elapsed time given in seconds of real time (the speed
    // still applies). Past the range's end (its start when rewinding) a
    // looping group wraps and one that does not loop stops, going back to the
    // first line's start; either way the listener is called. A forward wrap
    // takes the range off once; a backward wrap lands inside the range at
    // once, whatever the elapsed time. A range of 0 or less stops.
    float stepClockAnimation(float seconds);

    // Inserts a key frame at its second: appended, splitting the line that
    // holds it, or before the first. Stops the group; moves the range's end
    // to the last line (its start stays). True when the frame was placed.
    bool addNewInterpolationLine(float second);
    bool addNewInterpolationLine(Frame frame);
    // Cleans the group, then makes one line between the two seconds (the
    // smaller first) and makes it the range. False when no line was made.
    bool addFirstInterpolationLine(float second1, float second2);
    bool addFirstInterpolationLine(Frame first, Frame second);
    // Stops, deletes the clips, the lines and the waiting frame; the current
    // second becomes 0. Looping, speed, listener and range stay.
    void cleanAnimations();
    // Multiplies every frame's second, the clips, the range and the current
    // second by the factor; false for a factor <= 0 or without lines.
    bool scaleFrames(float factor);

    unsigned int getInterpolationSize();
    // The line holding the current second, null when there is none.
    InterpolationLine* getSelectedInterpolation();
    // Finds the line whose end (else start) frame is exactly at that second.
    bool selectFrame(float second);
    void cleanFrameSelected();
    bool haveTempFrame();
    // There is a waiting frame at exactly that second.
    bool selectTempFrame(float second);
    // The start (end) second of the line at the index truncated toward zero;
    // 0 for an index out of range, a negative one included.
    float getInterpolationStartSecond(float index);
    float getInterpolationEndSecond(float index);

    // Range by line position; a position out of range resets both range
    // indices to 0 and answers false.
    bool setAnimationStartInterpolation(unsigned int position);
    bool setAnimationEndInterpolation(unsigned int position);
    // From the first line's start to the last line's end, inclusive.
    bool isSecondInsideAnimation(float second);
    // Range by second, inside the animation; a start at or past the range's
    // end first moves the end to 0.1 s after it.
    bool setAnimationStartSecond(float second);
    bool setAnimationEndSecond(float second);

    // A clip from start to end seconds, inside the animation, end above
    // start, under a new non-empty name.
    bool addNewAnimationName(char* name, float start, float end);
    bool addNewAnimationName(const char* name, float start, float end);
    // True when a clip of that name exists (it is then selected); null clears
    // the selection.
    bool selectAnimationName(char* name);
    bool selectAnimationName(const char* name);
    bool haveAnimationName(char* name);
    bool haveAnimationName(const char* name);
    // Makes the clip the range and plays it from its start (its end).
    bool playNameForward(char* name);
    bool playNameForward(const char* name);
    bool playNameRewind(char* name);
    bool playNameRewind(const char* name);
    bool removeAnimationName(char* name);
    bool removeAnimationName(const char* name);
    void cleanAnimationNameSelected();
    void cleanAnimationNames();

    // Plays from the second clamped into the range; without lines nothing
    // plays (false).
    bool playForwardIn(float second);
    bool playRewindIn(float second);
    // From the current second.
    bool playForward();
    bool playRewind();
    // Toggles playing; answers whether the group now plays. Resuming does not
    // count the paused time.
    bool pause();
    // Back to the first line's start second, not playing.
    bool stop();
    void setLoop(bool loop);
    void loopOn();
    void loopOff();
    bool isLooping();
    void setSpeed(float speed);
    float getSpeed();
    bool isPaused();
    bool isRewind();
    float getAnimationSecond();
    // Playing with at least one line.
    bool isPlaying();

    // Replaces the listener; null clears it and answers false. Not owned.
    bool setAnimationCallback(AnimationCallback* callback);
    void removeAnimationCallback();

    // "\nFrame %u " and the line, for each position from..to that holds one.
    void printSelectedFramesFrom(unsigned int from, unsigned int to);
    void printFrames();
    void printSelectedFrames();

    // Marks a shallow copy: its destruction frees nothing of what it shares.
    void cantDeleteGroup();

    // The position of the first line whose end second is not below the
    // second (the row's size when every line ends before it); empty positions
    // are dropped from the row on the way.
    unsigned int searchBackInterpoaltion(float second);
    // Selects the line with start <= second < end (or the last line when the
    // second is its end), kept inside the range; false when none holds it.
    bool selectInterpolationBySecond(float second);
    void filterSelectInterpolation();

protected:
    InterpolationLine* lineAt(unsigned int position);
    InterpolationLine* lastLine();
    // Moves a new line from the end of the row to a position.
    bool placeLine(InterpolationLine* line, unsigned int position);
    void removeLine(InterpolationLine* line);
    void deleteLines();
    void clampAnimationSecond();
    void refreshRangeSeconds(bool startSecond, bool endSecond);
    bool wrapOrStop(float range);
    AnimationName* findAnimationName(const char* name);

    // The line at an index given as a float (truncated toward zero), null
    // for a negative index or one out of range.
    InterpolationLine* lineAtIndex(float index);
    // The frame of the line made by the last insertion that carries that
    // second, or (other) the line's other frame; without a new line, the
    // waiting first frame (other: null).
    Frame* frameOfInserted(float second, bool other);
    // The frame selectFrame found last, null when none.
    Frame* selectedFrameObject();
    // The start (end) frame of the line at an index given as a float.
    Frame* frameAtIndex(float index, bool end);
    // The selected line while the group plays, else null; success (when not
    // null) tells which.
    InterpolationLine* playingLine(bool* success);

    // One value of the dimension groups, written with set (values::setX and
    // its kin), remembered for the waiting first frame in remembered:
    // the frame exactly at the second (a waiting frame there takes the value
    // too, answering false); the key frame just inserted; the two key frames
    // of a new first line.
    bool setFrameValue(float second, float value, bool (*set)(Frame*, float), float* remembered);
    void fillInsertedValue(float second, float value, bool (*set)(Frame*, float),
                           float* remembered);
    void fillFirstValues(float firstSecond, float first, float second, bool (*set)(Frame*, float));

    // One key frame's second and values, for rebuilding a group from another.
    struct KeyFrameValues {
        float second;
        float x;
        float y;
        float z;
    };
    // Cleans this group and adds the source's key frames in order of time
    // through addFrame, then the source's clips. Everything is read from the
    // source first, so the source may share this group's storage.
    void rebuildFrom(InterpolationGroup* source,
                     bool (*addFrame)(InterpolationGroup* target, KeyFrameValues values));

    // Reads "anim_" into the group: the element selected, the group cleaned,
    // "loop", the frames added through the group's own frame kind (one record
    // serves every element, so a missing value keeps the previous element's,
    // while the second starts from 0 each time), the curves, the clips, and
    // back to the parent. False, nothing changed, without the element; else
    // true when at least one frame was read.
    template <typename FrameKind, typename Group>
    static bool readAnimation(XML* xml, unsigned int id, Group* group) {
        if (!group->openAnimationElement(xml, id)) {
            return false;
        }
        FrameKind frame;
        unsigned int count = 0;
        while (frame.readFromXML(xml, count)) {
            group->addNewInterpolationLine(frame);
            frame.second = 0;
            count++;
        }
        group->closeAnimationElement(xml);
        return count > 0;
    }
    bool openAnimationElement(XML* xml, unsigned int id);
    void closeAnimationElement(XML* xml);

    Frame* tempFrame;
    InterpolationLine* insertedLine;
    InterpolationLine* frameSelected;
    bool frameSelectedIsStart;
    bool insertedAtStart;
    bool firstLineFromTemp;
    vector::Stack<InterpolationLine*> interpolations;
    unsigned int selectedInterpolation;
    vector::NameTree animationNames;
    AnimationName* animationNameSelected;
    float speed;
    float animationStartSecond;
    float animationEndSecond;
    unsigned int animationStartInterpolation;
    unsigned int animationEndInterpolation;
    float animationSecond;
    bool playing;
    bool paused;
    bool rewind;
    bool looping;
    watch::Time clock;
    AnimationCallback* animationCallback;
    bool canDeleteGroup;
};

} // namespace animation
} // namespace zelk

#endif
