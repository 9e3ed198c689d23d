#pragma once

#include <string>

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GdiText.h"

// A text rendered once into the widget's own picture (redrawn only when the text, colour, format,
// font or size change), then copied like any picture.
class GVTextWnd : public GVDDSWnd {
public:
    // 0 when the font cannot be made.
    int Create(Size size, int fontHeight, int fontWeight);
    int SetText(const std::string& text);
    std::string GetText() const { return text; }
    // 0 for an empty size.
    int SetSize(Size size);
    void SetTextColor(uint32_t colorRef);
    uint32_t GetTextColor() const { return textColor; }
    // DrawText flags: 1 centred, 2 right-aligned.
    void SetTextFormat(unsigned format);
    int SetFont(int height, int weight);

private:
    void Render();

    std::string text;
    Size size;
    uint32_t textColor = 0;
    unsigned format = DT_LEFT;
    GdiFont font;
};
