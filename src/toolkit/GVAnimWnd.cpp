#include "toolkit/GVAnimWnd.h"

#include "foundation/core/Clock.h"
#include "foundation/Debug.h"

int GVAnimWnd::LoadImage(const std::string& path, Point p, Size size)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) return 0;
    auto frames = DecodeImageFrames(bytes);
    if (!frames || frames->empty()) {
        DebugLine("animation not decodable: %s", path.c_str());
        return 0;
    }
    if (!SetFrames(std::move(*frames), size)) return 0;
    SetPos(p);
    return 1;
}

int GVAnimWnd::SetFrames(std::vector<Image> frames, Size size)
{
    if (frames.empty() || size.cx <= 0 || size.cy <= 0) return 0;
    delays.clear();
    if (frames.size() == 1) {
        // One picture: a strip cut into frames of the given width.
        frameCount = std::max(1, frames[0].width / size.cx);
        SetImage(std::move(frames[0]));
    } else {
        const int64_t width = int64_t{size.cx} * static_cast<int64_t>(frames.size());
        auto strip = Image::Create(static_cast<int32_t>(std::min<int64_t>(width, kMaxImageSide)), size.cy, 0);
        if (!strip) return 0;
        frameCount = strip->width / size.cx;
        for (int i = 0; i < frameCount; ++i) {
            const Image& f = frames[static_cast<size_t>(i)];
            for (int y = 0; y < size.cy && y < f.height; ++y)
                for (int x = 0; x < size.cx && x < f.width; ++x) strip->At(i * size.cx + x, y) = f.At(x, y);
            delays.push_back(f.delay10ms * 10);
        }
        SetImage(std::move(*strip));
    }
    frameSize = size;
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
