#ifndef ZELK_ANIMATION_INTERPOLATIONLINE_H
#define ZELK_ANIMATION_INTERPOLATIONLINE_H

#include "zelk/animation/Frame.h"

namespace zelk {
class XML;
namespace animation {

class InterpolationGroup;

// The segment between two key frames. The line holds its start and end frames
// as a registered holder (the member variables themselves); a frame may be
// shared with a neighbouring line, so a value written through one line is seen
// by the other. createStart and createEnd tell whether the line made the
// frame itself, in which case a new second is written into it in place.
//
// The setters keep start.second <= end.second: when a new second or frame
// puts the end first, the two frames trade places (with their create flags)
// and distance is recomputed. Only setStartNoFilter and setEndNoFilter write
// in place without that care.
//
// A new line holds two frames of its kind that it made itself, all zero.
class InterpolationLine {
public:
    InterpolationLine();
    InterpolationLine(const InterpolationLine&) = delete;
    InterpolationLine& operator=(const InterpolationLine&) = delete;
    // Releases both frames.
    virtual ~InterpolationLine();

    // Holds the frame as the new start (createStart false: it may be shared);
    // false for null.
    virtual bool setStart(Frame* frame);
    // Writes the second into a start this line made; a shared start is left
    // to its other holders and replaced by a new frame of the line's kind.
    virtual bool setStart(float second);
    // As setStart(float), but an in-place write neither swaps nor updates
    // distance.
    virtual bool setStartNoFilter(float second);
    virtual bool setEnd(Frame* frame);
    virtual bool setEnd(float second);
    virtual bool setEndNoFilter(float second);
    // The start or end frame as element "frame_" followed by the id, written
    // with the writer of the frame's own kind.
    virtual bool writeToXMLStart(XML* xml, unsigned int id);
    virtual bool writeToXMLEnd(XML* xml, unsigned int id);
    // A new frame of the line's kind. count counts the second and the values
    // that follow it (a plain line takes 1, a 1D line up to 2, a 2D line up
    // to 3, a 3D line up to 4); values not given are 0, and any other count
    // gives an all-zero frame. The values are passed as floats.
    virtual Frame* useNewFrame(unsigned char count, float second, ...);

    // Replace the frame with a new all-zero one of the line's kind, made by
    // the line (create flag set); false, and the member null, on failure.
    bool allocStart();
    bool allocEnd();
    // Release the frame (deleting it when no other holder is left); the
    // member becomes null and the create flag false.
    bool deleteStart();
    bool deleteEnd();
    bool deleteFrames();
    // Exchanges start and end with their create flags.
    bool switchFrames();
    // end.second - start.second (0 while a frame is missing).
    float updateDistance();

    // Copies of the frames (all zero for a missing one); the copies leave the
    // held frames' holders alone when destroyed.
    Frame getStart();
    Frame getEnd();
    bool getCreateStart();
    bool getCreateEnd();
    float getDistance();

    // other takes this line's start (or end) frame as its start (or end);
    // false for a null other, else the setter's result.
    bool useStartInStart(InterpolationLine* other);
    bool useStartInEnd(InterpolationLine* other);
    bool useEndInEnd(InterpolationLine* other);
    bool useEndInStart(InterpolationLine* other);

protected:
    // Puts the frames in order of time and recomputes distance.
    void keepOrder();
    // The frame that now carries the second just set through the start
    // (fromStart) or the end: after a swap it sits on the other side.
    Frame* frameWithSecond(float second, bool fromStart);
    bool holdStart(Frame* frame);
    bool holdEnd(Frame* frame);

    Frame* start;
    Frame* end;
    bool createStart;
    bool createEnd;
    float distance;

    friend class InterpolationGroup;
};

} // namespace animation
} // namespace zelk

#endif
