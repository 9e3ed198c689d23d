#pragma once

#include <array>
#include <memory>
#include <string>

#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVWnd.h"
#include "views/core/GlyphText.h"

class WidgetFactory;

// A line of up to twelve characters drawn as animated glyphs: each glyph is the sub-animation of
// one ".qza" set named by the character it shows. The text stays hidden until a reveal starts.
class CVQZATextWnd : public GVWnd {
public:
    ~CVQZATextWnd() override;

    // Makes the twelve glyphs from `file` at `p` (false at the first that fails; the factory has
    // reported it), then takes the box and the layout values.
    [[nodiscard]] virtual bool CreateGlyphs(WidgetFactory& factory, const std::string& file, Point p, Size size,
                                            int glyphWidth, int glyphValue, int spacing, GlyphAlign align);
    // Stops every glyph and lays out the characters of the CP949 text; none is shown yet.
    void SetText(const std::string& text);
    // Holds the last frames of the glyphs.
    void StartReveal(bool allAtOnce, uint32_t intervalMs);
    // All at once, the glyphs hold their last frame only when asked.
    void StartRevealEx(bool holdLastFrame, bool allAtOnce, uint32_t intervalMs);
    // Per tick: 2 when a glyph was revealed, 1 when a glyph advanced, else 0.
    int Step();
    // Deletes the glyphs, then Clear.
    void Release();
    void Clear();

    int GetGlyphCount() const { return count; }
    // The text last laid out.
    const std::string& GetText() const { return shownText; }
    int GetGlyphValue() const { return glyphValue; }
    // Glyph i of twelve, null before CreateGlyphs.
    GVQZAniWnd* GetGlyph(int i) const { return i >= 0 && i < kMaxGlyphs ? glyphs[size_t(i)].get() : nullptr; }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    std::array<std::unique_ptr<GVQZAniWnd>, kMaxGlyphs> glyphs;
    std::array<bool, kMaxGlyphs> named{};  // whether glyph i found the animation of its character
    int count = 0;
    std::string shownText;
    int glyphWidth = 0;
    int glyphValue = 0;  // kept as given; the layout does not use it
    int spacing = 0;
    GlyphAlign align = GlyphAlign::Center;
    GlyphReveal reveal;
};
