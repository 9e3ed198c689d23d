#pragma once

#include <string>
#include <vector>

#include "toolkit/GVWnd.h"

// A widget that notes what happens to it in a log shared by the test.
struct Log {
    std::vector<int> drawn;
    std::vector<std::string> input;
    std::vector<int> deleted;
};

class NoteWnd : public GVWnd {
public:
    NoteWnd(Log& l, int i, Rect r) : log(l), id(i) { SetRect(r); }
    ~NoteWnd() override { log.deleted.push_back(id); }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override
    {
        if (IsVisible() && GetRect().Intersects(clip)) log.drawn.push_back(id);
        return GVWnd::Draw(surface, clip);
    }
    int OnKeyDown(UINT vk, UINT, UINT) override { return Note("key " + std::to_string(vk)); }
    int OnChar(UINT ch, UINT, UINT) override { return Note("char " + std::to_string(ch)); }
    int OnLButtonDown(UINT, Point p) override { return Note("down " + std::to_string(p.x)); }
    int OnLButtonUp(UINT, Point p) override { return Note("up " + std::to_string(p.x)); }
    int OnMouseMove(UINT, Point p) override { return Note("move " + std::to_string(p.x)); }
    int OnRButtonDown(UINT, Point) override { return Note("rdown"); }
    int OnImeComposition(WPARAM w, LPARAM) override { return Note("ime " + std::to_string(w)); }

private:
    int Note(const std::string& what)
    {
        log.input.push_back(std::to_string(id) + " " + what);
        return 1;
    }
    Log& log;
    int id;
};
