#pragma once

#include <functional>

#include "toolkit/GVWnd.h"
#include "toolkit/core/ScrollMath.h"

// A vertical scroll bar over lo..hi (the first line shown) with a page of lines visible at once.
// A press on the track pages, the thumb drags; the change handler hears every new value.
class GVScrollBar : public GVWnd {
public:
    int Create(const Rect& r);
    void SetRange(int lo, int hi, int page);
    void SetValue(int value);
    int GetValue() const { return value; }
    int GetMin() const { return lo; }
    int GetMax() const { return hi; }
    int GetPage() const { return page; }
    Rect GetThumbRect() const;
    void SetColors(uint32_t trackColorRef, uint32_t thumbColorRef);
    void SetChangeHandler(std::function<void(int)> handler) { onChange = std::move(handler); }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    int OnLButtonDown(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;
    int OnLButtonUp(UINT flags, Point p) override;

private:
    ThumbTrack Track() const;
    void Change(int v);

    int lo = 0;
    int hi = 0;
    int page = 1;
    int value = 0;
    bool dragging = false;
    int grab = 0;
    uint32_t trackColor = 0x404040;
    uint32_t thumbColor = 0xA0A0A0;
    std::function<void(int)> onChange;
};
