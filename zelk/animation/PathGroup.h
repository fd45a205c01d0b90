#ifndef ZELK_ANIMATION_PATHGROUP_H
#define ZELK_ANIMATION_PATHGROUP_H

#include "zelk/animation/Frame.h"
#include "zelk/vector/Name.h"
#include "zelk/vector/NameTree.h"
#include "zelk/vector/Stack.h"
#include "zelk/watch/Time.h"

namespace zelk {
class XML;
namespace animation {

// A path animation: values that travel from key frame to key frame. A frame's
// second is the travel time of the segment that ends at it. The group moves
// towards a target frame and judges by distance, on the current value (which
// somebody else may have moved since the previous update), whether the target
// has been reached before it takes the next one. This base carries only the
// times; Path1DGroup and its kin carry one to three values.
//
// updateClockAnimation() advances by real time; stepClockAnimation applies a
// given elapsed time instead, for fixed steps and tests.
//
// A target whose travel time is 0 or less counts as reached at once; a path
// whose target position holds no frame stops. The group owns its frames and
// clips. A copy shares them with its source and must be marked with
// cantDeleteGroup() before it is destroyed.
class PathGroup {
public:
    // A clip: a range of frame positions, kept as floats.
    class AnimationPathNames : public vector::Name {
    public:
        AnimationPathNames();
        explicit AnimationPathNames(char* name);
        explicit AnimationPathNames(const char* name);
        ~AnimationPathNames() override;

        // The element "animationPathName_" followed by the id, the name as
        // its text, "start" and "end" as attributes; false for a null cursor
        // or a clip without a name.
        bool writeToXML(XML* xml, unsigned int id);
        // The text without tabs and line feeds becomes the name when not
        // empty; missing positions read 0. False without the element.
        bool readFromXML(XML* xml, unsigned int id);

        float start;
        float end;
    };

    PathGroup();
    // Shallow: the copy shares the source's frames and clips.
    PathGroup(const PathGroup& other);
    PathGroup& operator=(const PathGroup&) = delete;
    virtual ~PathGroup();

    // Takes the next target when the current one is reached; answers the
    // seconds spent on the current segment (0 once stopped).
    virtual float updateClockAnimation();
    // The element "pathAnim_" followed by the id with "loop", the frames
    // ("frame_" by position) and the clips; true when written.
    virtual bool writeToXML(XML* xml, unsigned int id);
    // Replaces the frames (the clips stay, clips read are added) with those
    // of "pathAnim_" followed by the id; false, nothing changed, without the
    // element; otherwise true when at least one frame was read.
    virtual bool readFromXML(XML* xml, unsigned int id);
    // A new empty frame of the group's kind.
    virtual Frame* newFrame();
    // The reach test; this base has no value and never reaches.
    virtual bool reachFrame(Frame* frame);

    // The update with a given elapsed time in seconds.
    float stepClockAnimation(float seconds);

    // Appends the frame, which the group then owns, and makes the range the
    // whole list; false for null or a frame the list holds already.
    bool addNewFrame(Frame* frame);
    // Appends the frame and moves it to the position (at most the count).
    bool addNewFrameToPosition(unsigned int position, Frame* frame);
    bool addNewFrame(float second);
    bool addNewFrameToPosition(unsigned int position, float second);
    // Deletes the frame at the position; the range positions stay.
    bool deleteFrame(unsigned int position);
    void deleteFrames();
    void setCloserDistance(float distance);
    float getCloserDistance();
    bool havePosition(unsigned int position);
    bool swapFrames(unsigned int first, unsigned int second);
    // An existing position below the end; also becomes the target position.
    bool setAnimationStartPosition(unsigned int position);
    // An existing position above the start.
    bool setAnimationEndPosition(unsigned int position);

    bool playForward();
    // Plays towards the frame at a position inside the range; answers
    // whether it started.
    bool playForwardIn(unsigned int position);
    bool playRewind();
    // Rewinding starts only from the end position or after it; answers
    // whether it started.
    bool playRewindIn(unsigned int position);
    // Toggles playing; a resumed segment counts its time from zero again.
    // Answers whether it now plays.
    bool pause();
    // Not playing, the target back at the start position.
    bool stop();
    void setLoop(bool loop);
    void loopOn();
    void loopOff();
    bool isLopping();
    bool isPlaying();
    bool isRewind();

    // A clip of frame positions start..end under a new non-empty name;
    // refused without frames or for start above end.
    bool addNewAnimationName(char* name, unsigned int start, unsigned int end);
    bool addNewAnimationName(const char* name, unsigned int start, unsigned int end);
    bool selectAnimationName(char* name);
    bool selectAnimationName(const char* name);
    bool haveAnimationName(char* name);
    bool haveAnimationName(const char* name);
    // Narrows the range to the clip (each end subject to its setter's checks)
    // and plays it from its start (its end).
    bool playNameForward(char* name);
    bool playNameForward(const char* name);
    bool playNameRewind(char* name);
    bool playNameRewind(const char* name);
    bool removeAnimationName(char* name);
    bool removeAnimationName(const char* name);
    void cleanAnimationNameSelected();
    void cleanAnimationNames();

    // "\nSpeed %.2f" with each frame's second.
    void printFrames();
    unsigned int getFramesSize();
    unsigned int size();
    // The frame the value moves from: the previous one in the playing
    // direction (around the range when looping), else the target itself;
    // null when not playing.
    Frame* getLastFrame();
    void cantDeleteGroup();

protected:
    Frame* targetFrame();
    // Seconds since the previous update, from the stopwatch or the given
    // step; restarts the stopwatch.
    float takeElapsedSeconds();
    void restartSegment();
    // Appends (or inserts) a frame made by the group; deletes it and answers
    // false when the list refuses it.
    bool adoptFrame(Frame* frame);
    bool adoptFrameAt(unsigned int position, Frame* frame);
    // The update of the value groups: the base update, then percent for the
    // target. from and target are the frames to move the values between,
    // both null when the values stay; in the update that stops the path at a
    // target whose travel time is 0 or less, both are that target.
    float advancePath(Frame** from, Frame** target);
    // The same, moving the values it is given (null for a value the group
    // does not have).
    float advanceValues(float* x, float* y, float* z);
    // A new frame of the group's kind with the second and values (those the
    // kind has), appended, or inserted at the position when insert is set.
    bool addValueFrame(bool insert, unsigned int position, float second, float x, float y, float z);
    // The reach test on the value's distance d to the target (insideBox: every
    // value within the closer distance of the target's): the segment's time
    // has run out and the value is near enough or has started to move away.
    bool reachedByDistance(float d, bool insideBox);
    bool nearTarget(float value, float target);
    AnimationPathNames* findAnimationName(const char* name);
    // Reading "pathAnim_": the element, "loop", every "frame_" read into a
    // new frame of the kind and appended, the clips, back to the parent.
    template <typename FrameKind> bool readPath(XML* xml, unsigned int id) {
        if (!openPathElement(xml, id)) {
            return false;
        }
        unsigned int count = 0;
        FrameKind* frame = new FrameKind();
        while (frame->readFromXML(xml, count) && addNewFrame(frame)) {
            frame = new FrameKind();
            count++;
        }
        delete frame;
        closePathElement(xml);
        return count > 0;
    }
    bool openPathElement(XML* xml, unsigned int id);
    void closePathElement(XML* xml);

    vector::Stack<Frame*> frames;
    unsigned int startPosition;
    unsigned int endPosition;
    unsigned int framePosition;
    float lastDistance;
    bool frameChanged;
    float closerDistance;
    float percent;
    bool canDelete;
    bool playing;
    bool rewind;
    bool loop;
    watch::Time clock;
    vector::NameTree animationNames;
    AnimationPathNames* selectedName;
    // Seconds of the current segment so far, and a step's elapsed time.
    float segmentSeconds;
    float givenSeconds;
    bool haveGivenSeconds;
};

} // namespace animation
} // namespace zelk

#endif
