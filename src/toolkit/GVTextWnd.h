#pragma once

#include <string>

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GdiText.h"

// A text drawn with GDI into the widget's own surface, a private entry of XResEntryMgr, then
// copied keyed like any picture. The text is drawn again only when the text, colour, format, font
// or size change, or when the manager re-made the surface (a new display, a lost surface): the
// entry's content serial tells. Drawing happens at the widget's next Draw, on the window thread.
class GVTextWnd : public GVDDSWnd {
public:
    // 0 when the font or the surface cannot be made.
    int Create(Size size, int fontHeight, int fontWeight);
    int SetText(const std::string& text);
    std::string GetText() const { return text; }
    // A new surface of that size; 0 for an empty size or when no entry can be made.
    int SetSize(Size size);
    void SetTextColor(uint32_t colorRef);
    uint32_t GetTextColor() const { return textColor; }
    // DrawText flags: 1 centred, 2 right-aligned.
    void SetTextFormat(unsigned format);
    // The shared font of that description; the one held before is given back. 0 on failure.
    int SetFont(int height, int weight);
    HFONT GetFont() const { return font.Get(); }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    void MarkStale();
    [[nodiscard]] bool IsStale() const;
    [[nodiscard]] bool Render();

    std::string text;
    Size size;
    uint32_t textColor = 0;
    unsigned format = DT_LEFT;
    GdiFont font;
    uint32_t renderedSerial = 0;  // the surface's content serial when the text was drawn; 0: stale
};
