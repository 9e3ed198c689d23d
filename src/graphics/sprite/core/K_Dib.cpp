#include "graphics/sprite/core/K_Dib.h"

#include <cstring>

#include "graphics/sprite/core/FXMan.h"

namespace {

constexpr int32_t kMaxSide = 8192;

}  // namespace

int K_Dib::Create(int32_t w, int32_t h, int32_t bitsPerPixel)
{
    Detach();
    if (h < 0) h = -h;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || (bitsPerPixel != 16 && bitsPerPixel != 32)) return 0;
    const int32_t rowBytes = (w * bitsPerPixel / 8 + 3) & ~3;
    own.assign(static_cast<size_t>(rowBytes / 4) * static_cast<size_t>(h), 0);
    bits = own.data();
    width = w;
    height = h;
    pitch = rowBytes;
    bitCount = bitsPerPixel;
    clip = GetBounds();
    return 1;
}

int K_Dib::Attach(void* memory, int32_t w, int32_t h, int32_t rowPitch, int32_t bitsPerPixel)
{
    Detach();
    if (!memory || w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || (bitsPerPixel != 16 && bitsPerPixel != 32) ||
        rowPitch < w * bitsPerPixel / 8)
        return 0;
    bits = memory;
    width = w;
    height = h;
    pitch = rowPitch;
    bitCount = bitsPerPixel;
    clip = GetBounds();
    return 1;
}

void K_Dib::Detach()
{
    own = {};
    bits = nullptr;
    width = height = pitch = bitCount = 0;
    clip = {};
}

uint32_t K_Dib::GetPixel(int32_t x, int32_t y) const
{
    if (!bits || !GetBounds().Contains(x, y)) return 0;
    if (bitCount == 32) return Row<uint32_t>(y)[x];
    uint16_t p;
    std::memcpy(&p, Row<uint8_t>(y) + static_cast<size_t>(x) * 2, 2);
    return p;
}

int K_Dib_Draw::DrawSprite(const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level, uint32_t colorRef)
{
    const KK_FXMan* fxMan = GetFXMan();
    return fxMan ? fxMan->DrawSprite(*this, sprite, x, y, fx, level, colorRef) : 0;
}

int K_Dib_Draw::Fill(uint32_t colorRef)
{
    const KK_FXMan* fxMan = GetFXMan();
    return fxMan ? fxMan->FillRect(*this, GetClipRect(), colorRef) : 0;
}

int K_Dib_Draw::FrameRect(const Rect& r, uint32_t colorRef)
{
    const KK_FXMan* fxMan = GetFXMan();
    if (!fxMan || r.IsEmpty()) return 0;
    const Rect edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top + 1, r.left + 1, r.bottom - 1},
                          {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
    for (const Rect& e : edges)
        if (!e.IsEmpty() && !fxMan->FillRect(*this, e.Intersected(GetClipRect()), colorRef)) return 0;
    return 1;
}
