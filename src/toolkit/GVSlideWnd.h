#pragma once

#include <memory>
#include <string>

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVWnd.h"
#include "toolkit/core/ScrollMath.h"

// A horizontal slider: a thumb dragged along a track. Its value is the minimum plus the value of the
// thumb's offset on the track.
class GVSlideWnd : public GVWnd {
public:
    // The widget's rectangle and the thumb's size; the track is the rectangle's width until SetTrack.
    virtual int Create(const Rect& r, Size thumbSize);
    // The track: its length (the thumb travels length - thumb width) and height, from the left edge.
    void SetTrack(int length, int height);
    // Keeps the value inside the new range.
    void SetRange(int lo, int hi);
    void SetValue(int value);
    int GetValue() const { return value; }
    int GetMin() const { return track.lo; }
    int GetMax() const { return track.hi; }
    bool IsDragging() const { return dragging; }
    Rect GetThumbRect() const;
    void SetColors(int32_t trackColorRef, int32_t thumbColorRef);
    // A picture for the thumb (its size becomes the thumb's); 0 on failure, the old thumb stays.
    int LoadThumbImage(const std::string& path);

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    int HitTestThumb(Point p) const { return GetThumbRect().Contains(p) ? 1 : 0; }
    int OnLButtonDown(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;
    // 1 when a drag ended (the value is then final).
    int OnLButtonUp(UINT flags, Point p) override;

protected:
    // Draws the thumb; widgets with a thumb image override it.
    virtual int DrawThumb(IDirectDrawSurface4* surface, const Rect& clip);

private:
    void MoveThumbTo(int x);

    ThumbTrack track;
    int trackHeight = 0;
    Size thumbSize;
    int value = 0;
    bool dragging = false;
    int grab = 0;  // where in the thumb the pointer holds it
    int32_t trackColor = kNoColor;
    int32_t thumbColor = 0xC0C0C0;
    std::unique_ptr<GVDDSWnd> thumbImage;
};
