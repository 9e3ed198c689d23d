#pragma once

#include <string>

#include "toolkit/GVDDSWnd.h"

// A button on a grid of state pictures, read left to right, top to bottom: normal, hover, down,
// disabled. A grid with fewer cells uses the last one it has for the missing states.
class GVPushBtn : public GVDDSWnd {
public:
    // 0 on failure or for a grid of no cells.
    int LoadImage(const std::string& path, int hotSpot, int columns, int rows);
    // The same on a picture made in memory.
    int SetGrid(const Image& picture, int columns, int rows);
    int ImageCell() const;

    int IsHot() const override { return hot ? 1 : 0; }
    bool HitTest(int x, int y, unsigned flags) const override;
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    int OnLButtonDown(UINT flags, Point p) override;
    // 1 for a click: pressed inside and released inside.
    int OnLButtonUp(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;
    int OnKillFocus(GVWnd* next) override;

private:
    Rect CellRect(int cell) const;
    void SetState(bool newHot, bool newPressed);

    int columns = 1;
    int rows = 1;
    bool hot = false;
    bool pressed = false;
};
