#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/GVQZSWnd.h"
#include "toolkit/core/NumberGlyphs.h"

// A number drawn with the glyph frames of a sprite pack (digits from the glyph base on, then the
// glyphs of NumberGlyph), right-aligned in its rectangle.
class GVPSPNumberWnd : public GVQZSWnd {
public:
    // 0 on failure.
    int Load(const std::string& path, Point p, Size size);
    void SetNumber(int64_t n);
    int64_t GetNumber() const { return number; }
    // The first glyph frame; the glyph size is that frame's. 0 when the pack lacks the frame.
    int SetGlyphBase(int glyphFrame);
    void SetStyle(uint32_t flags, int spacing);
    // The left edges of the glyphs as drawn (for tests and layout).
    std::vector<int> GlyphPositions() const;
    const std::vector<int>& Glyphs() const { return glyphs; }

    void SetPos(Point p) override;
    Point GetPos() const override { return rect.TopLeft(); }
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    void Layout();

    int64_t number = 0;
    int glyphBase = 0;
    Size glyphSize;
    uint32_t style = 0;
    int spacing = 0;
    Size boxSize;
    std::vector<int> glyphs;
};
