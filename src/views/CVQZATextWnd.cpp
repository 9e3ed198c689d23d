#include "views/CVQZATextWnd.h"

#include "foundation/core/Clock.h"
#include "views/WidgetFactory.h"

CVQZATextWnd::~CVQZATextWnd()
{
    Release();
}

void CVQZATextWnd::Clear()
{
    count = 0;
    named = {};
    glyphWidth = glyphValue = spacing = 0;
    align = GlyphAlign::Center;
    reveal = {};
}

void CVQZATextWnd::Release()
{
    for (auto& glyph : glyphs) glyph.reset();
    Clear();
}

bool CVQZATextWnd::CreateGlyphs(WidgetFactory& factory, const std::string& file, Point p, Size size, int width,
                                int value, int glyphSpacing, GlyphAlign alignment)
{
    for (auto& glyph : glyphs) {
        glyph.reset(factory.CreateQZAniWnd(file, p));
        if (!glyph) return false;
    }
    SetRect(Rect(p, size));
    glyphWidth = width;
    glyphValue = value;
    spacing = glyphSpacing;
    align = alignment;
    return true;
}

void CVQZATextWnd::SetText(const std::string& text)
{
    shownText = text;
    for (auto& glyph : glyphs)
        if (glyph) glyph->Stop();
    reveal.Cancel();
    const auto names = GlyphNames(text);
    const auto positions = GlyphPositions(rect, static_cast<int>(names.size()), glyphWidth, spacing, align);
    count = 0;
    named = {};
    for (size_t i = 0; i < names.size() && glyphs[i]; ++i) {
        // A character the set has no animation for stays blank rather than showing another's.
        named[i] = glyphs[i]->SelectAnimationByName(names[i]) != 0;
        glyphs[i]->SetPos(positions[i]);
        count = static_cast<int>(i) + 1;
    }
    Invalidate();
}

void CVQZATextWnd::StartReveal(bool allAtOnce, uint32_t intervalMs)
{
    StartRevealEx(true, allAtOnce, intervalMs);
}

void CVQZATextWnd::StartRevealEx(bool holdLastFrame, bool allAtOnce, uint32_t intervalMs)
{
    reveal.Start(count, allAtOnce, intervalMs, Clock::NowMs());
    if (allAtOnce)
        for (int i = 0; i < count; ++i)
            if (named[size_t(i)]) glyphs[size_t(i)]->Play(1, holdLastFrame);
    Show(true);
    Invalidate();
}

int CVQZATextWnd::Step()
{
    bool advanced = false;
    for (auto& glyph : glyphs)
        if (glyph && glyph->IsVisible() && glyph->Update()) advanced = true;
    if (const auto i = reveal.Next(Clock::NowMs())) {
        if (named[size_t(*i)]) glyphs[size_t(*i)]->Play(1, true);
        Invalidate();
        return 2;
    }
    if (!advanced) return 0;
    Invalidate();
    return 1;
}

int CVQZATextWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!surface) return 0;
    if (visible)
        for (auto& glyph : glyphs)
            if (glyph && glyph->IsVisible() && !glyph->Draw(surface, clip)) return 0;
    MarkDrawn();
    return 1;
}
