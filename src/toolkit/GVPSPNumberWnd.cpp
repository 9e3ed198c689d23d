#include "toolkit/GVPSPNumberWnd.h"

#include "toolkit/DDSurface.h"

int GVPSPNumberWnd::Load(const std::string& path, Point p, Size size)
{
    if (!LoadAs(path, QZSFileType::Pack)) return 0;
    boxSize = size;
    SetRect(Rect(p, size));
    if (!SetGlyphBase(0)) return 0;
    return 1;
}

int GVPSPNumberWnd::SetGlyphBase(int glyphFrame)
{
    const Size s = GetFrameSize(glyphFrame);
    if (s.cx <= 0) return 0;
    glyphBase = glyphFrame;
    glyphSize = s;
    Layout();
    return 1;
}

void GVPSPNumberWnd::SetNumber(int64_t n)
{
    if (n == number && !glyphs.empty()) return;
    number = n;
    Layout();
}

void GVPSPNumberWnd::SetStyle(uint32_t flags, int space)
{
    style = flags;
    spacing = space;
    Layout();
}

void GVPSPNumberWnd::Layout()
{
    glyphs = NumberGlyphs(number, style);
    Invalidate();
}

std::vector<int> GVPSPNumberWnd::GlyphPositions() const
{
    std::vector<int> xs(glyphs.size());
    int x = rect.right;
    for (size_t i = glyphs.size(); i-- > 0;) {
        x -= glyphSize.cx;
        xs[i] = x;
        x -= spacing;
    }
    return xs;
}

void GVPSPNumberWnd::SetPos(Point p)
{
    SetRect(Rect(p, boxSize));
}

int GVPSPNumberWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    const QZSpriteFile* file = File();
    if (!file) return 0;
    const PixelMode mode = SurfacePixelMode(surface);
    const std::vector<int> xs = GlyphPositions();
    for (size_t i = 0; i < glyphs.size(); ++i) {
        // A glyph the pack does not have is left out, not drawn as another.
        const int frameIndex = glyphBase + glyphs[i];
        const QZFrameInfo* f = file->GetFrame(frameIndex);
        const KK_LLESprite* sprite = file->GetSprite(frameIndex, mode);
        if (!f || !sprite) continue;
        if (!DrawSpriteOnSurface(surface, area, *sprite, {xs[i] + f->hotX, rect.top + f->hotY})) return 0;
    }
    return 1;
}
