#include "toolkit/GVAnimWnd.h"

#include <algorithm>

#include "foundation/core/Clock.h"

int GVAnimWnd::LoadImage(const std::string& path, Point p, Size size)
{
    if (size.cx <= 0 || size.cy <= 0) return 0;
    if (!AdoptFrames(XResEntryMgr::Instance().LoadImage(path), size)) return 0;
    SetPos(p);
    return 1;
}

int GVAnimWnd::SetFrames(const std::vector<Image>& frames, Size size)
{
    if (frames.empty() || size.cx <= 0 || size.cy <= 0) return 0;
    // One picture: a strip cut into frames of the given width.
    if (frames.size() == 1) return AdoptFrames(XResEntryMgr::Instance().CreateFromImage("", frames[0]), size);
    std::vector<Image> cells;
    for (const Image& f : frames) {
        auto cell = Image::Create(size.cx, size.cy, 0);
        if (!cell) return 0;
        for (int y = 0; y < size.cy && y < f.height; ++y)
            for (int x = 0; x < size.cx && x < f.width; ++x) cell->At(x, y) = f.At(x, y);
        cell->delay10ms = f.delay10ms;
        cells.push_back(std::move(*cell));
    }
    return AdoptFrames(XResEntryMgr::Instance().CreateFromFrames("", cells), size);
}

int GVAnimWnd::AdoptFrames(XResHandle h, Size size)
{
    if (h.IsNull()) return 0;
    if (size.cx <= 0 || size.cy <= 0) {
        XResEntryMgr::Instance().Release(h);
        return 0;
    }
    AdoptEntry(h, false);
    if (GetEntry() != h) return 0;
    const XResInfo& e = GetEntryInfo();
    delays.clear();
    if (e.frameCount > 1) {
        frameSize = e.frameSize;
        frameCount = e.frameCount;
        for (uint32_t d : e.delays10ms) delays.push_back(d * 10);
    } else {
        frameSize = size;
        frameCount = std::max(1, e.size.cx / size.cx);
    }
    SetRect(Rect(rect.TopLeft(), size));
    frame = -1;
    SetFrame(0);
    return 1;
}
uint32_t GVAnimWnd::DelayOf(int n) const
{
    const uint32_t d = static_cast<size_t>(n) < delays.size() ? delays[static_cast<size_t>(n)] : 0;
    return d ? d : defaultDelay;
}

void GVAnimWnd::SetFrame(int n)
{
    if (n < 0 || n >= frameCount) n = 0;
    if (n == frame) return;
    frame = n;
    SetSrcRect(Rect({n * frameSize.cx, 0}, frameSize));
}

void GVAnimWnd::Play(bool looping)
{
    loop = looping;
    playing = frameCount > 0;
    shownAt = Clock::NowMs();
    SetFrame(0);
}

void GVAnimWnd::Stop()
{
    playing = false;
}

int GVAnimWnd::Step()
{
    if (!playing || !IsVisible()) return 0;
    const uint32_t now = Clock::NowMs();
    if (loop) {
        // Whole rounds of the loop that passed since the last tick change nothing.
        uint32_t round = 0;
        for (int i = 0; i < frameCount; ++i) round += DelayOf(i);
        const uint32_t elapsed = now - shownAt;
        if (round > 0 && elapsed >= round) shownAt += elapsed / round * round;
    }
    int next = frame;
    // Several frames may have passed since the last tick.
    for (int guard = 0; guard < frameCount && now - shownAt >= DelayOf(next); ++guard) {
        shownAt += DelayOf(next);
        if (next + 1 < frameCount) {
            ++next;
        } else if (loop) {
            next = 0;
        } else {
            playing = false;
            break;
        }
    }
    if (next == frame) return 0;
    SetFrame(next);
    return 1;
}
