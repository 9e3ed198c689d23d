#include "toolkit/GVDDSWnd.h"

#include <algorithm>
#include <cstdio>

#include "foundation/Debug.h"
#include "toolkit/DDSurface.h"

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    uint8_t chunk[65536];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
        if (bytes.size() > (size_t{64} << 20)) break;  // no picture of the game is near this
    }
    const bool ok = !std::ferror(f) && bytes.size() <= (size_t{64} << 20);
    std::fclose(f);
    return ok;
}

int GVDDSWnd::LoadImage(const std::string& path, int hotSpot)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        DebugLine("image not readable: %s", path.c_str());
        return 0;
    }
    auto frames = DecodeImageFrames(bytes);
    if (!frames || frames->empty()) {
        DebugLine("image not decodable: %s", path.c_str());
        return 0;
    }
    SetImage(std::move(frames->front()), hotSpot >= 0);
    return 1;
}

void GVDDSWnd::SetImage(Image picture, bool hotSpot)
{
    const Point at = GetPos();
    image = std::move(picture);
    useHotSpot = hotSpot;
    convertedMode = PixelMode::None;
    converted.clear();
    srcRect = {0, 0, image.width, image.height};
    SetRect(Rect(rect.TopLeft(), srcRect.GetSize()));
    SetPos(at);
    Invalidate();
}

void GVDDSWnd::SetSrcRect(const Rect& r)
{
    const Rect clamped = r.Intersected({0, 0, image.width, image.height});
    if (clamped == srcRect) return;
    srcRect = clamped;
    Invalidate();
}

void GVDDSWnd::SetDrawMode(uint32_t flags)
{
    if (flags == drawFlags) return;
    drawFlags = flags;
    Invalidate();
}

void GVDDSWnd::SetAlpha(int a)
{
    a = std::clamp(a, 0, 255);
    if (a == alpha) return;
    alpha = a;
    Invalidate();
}

void GVDDSWnd::SetTransparency(int percent)
{
    SetAlpha((100 - std::clamp(percent, 0, 100)) * 255 / 100);
}

void GVDDSWnd::SetPos(Point p)
{
    if (useHotSpot) p = p - image.hotSpot;
    GVWnd::SetPos(p);
}

Point GVDDSWnd::GetPos() const
{
    return useHotSpot ? rect.TopLeft() + image.hotSpot : rect.TopLeft();
}

bool GVDDSWnd::IsOpaqueAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return false;
    const uint32_t p = image.At(x, y);
    return AlphaOf(p) >= 128 && (p & 0xFFFFFF) != 0xFF00FF;
}

bool GVDDSWnd::HitTest(int x, int y, unsigned flags) const
{
    if (!GVWnd::HitTest(x, y, flags)) return false;
    if (!HasImage()) return true;
    return IsOpaqueAt(x - rect.left + srcRect.left, y - rect.top + srcRect.top);
}

const PixelView* GVDDSWnd::ViewFor(PixelMode mode)
{
    if (!HasImage() || BytesPerPixel(mode) == 0) return nullptr;
    if (mode != convertedMode) {
        const int bpp = BytesPerPixel(mode);
        const int pitch = (image.width * bpp + 3) & ~3;
        converted.assign(static_cast<size_t>(pitch) * static_cast<size_t>(image.height) / 4 + 1, 0);
        view = PixelView{reinterpret_cast<uint8_t*>(converted.data()), image.width, image.height, pitch, mode};
        StoreImage(image, view, ColorKeyOf(mode));
        convertedMode = mode;
    }
    return &view;
}

int GVDDSWnd::DrawPicture(IDirectDrawSurface4* surface, const Rect& clip, Point at, const Rect& src)
{
    const PixelMode mode = PixelModeOf(surface);
    const PixelView* source = ViewFor(mode);
    if (!source) return HasImage() ? 0 : 1;
    const Rect target = Rect(at, src.GetSize()).Intersected(clip);
    if (target.IsEmpty() || alpha == 0) return 1;
    const SurfaceAreaLock lock(surface);
    if (!lock.IsLocked()) return 0;
    const Size size = SurfaceSize(surface);
    const PixelView dst{lock.Bits(), size.cx, size.cy, lock.Pitch(), mode};
    BlitOptions options;
    options.flags = drawFlags;
    options.alpha = static_cast<uint8_t>(alpha);
    options.colorKey = ColorKeyOf(mode);
    Blit(dst, at, *source, src, target, options);
    return 1;
}

int GVDDSWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    // Cropped to the widget: a narrowed widget shows the left and top part of its source.
    const Rect src{srcRect.left, srcRect.top, srcRect.left + std::min(srcRect.Width(), rect.Width()),
                   srcRect.top + std::min(srcRect.Height(), rect.Height())};
    return DrawPicture(surface, area, rect.TopLeft(), src);
}
