#pragma once

#include <string>

#include "toolkit/GVWnd.h"
#include "toolkit/GdiText.h"

// A text drawn with GDI straight onto the target surface (no surface of its own), in a font shared
// through XResEntryMgr and given back when the widget goes or takes another.
class GVLightTextWnd : public GVWnd {
public:
    // 0 when the font cannot be made. The colour key is kept for widgets that copy the text.
    int Init(Size size, int32_t key, int fontHeight, int fontWeight);
    int SetText(const std::string& text);
    const std::string& GetText() const { return text; }
    void SetTextColor(uint32_t colorRef);
    uint32_t GetTextColor() const { return textColor; }
    // DrawText flags: 1 centred, 2 right-aligned (DT_CENTER, DT_RIGHT), ...
    void SetTextFormat(unsigned format);
    int SetFont(int height, int weight);

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    std::string text;
    uint32_t textColor = 0;
    unsigned format = DT_LEFT | DT_TOP | DT_SINGLELINE;
    GdiFont font;
};
