#pragma once

#include "toolkit/GVWnd.h"

enum class BorderStyle { None = 0, Flat = 1, Raised = 2, Sunken = 3 };

// A filled box: opaque, see-through (fill value below 255) or only a border.
class GVBoxWnd : public GVWnd {
public:
    // Fill value: alpha of the fill, 0 none .. 255 opaque. Always succeeds.
    virtual int Create(Point p, Size size, int32_t fillColorRef, int fillValue);
    void SetFill(int32_t colorRef, int fillValue);
    int GetFillValue() const { return fillValue; }
    // Flat: light colour all round; Raised: light top and left, dark bottom and right; Sunken: the reverse.
    void SetBorder(int32_t lightColorRef, int32_t darkColorRef, BorderStyle style);

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    int fillValue = 255;
    int32_t light = kNoColor;
    int32_t dark = kNoColor;
    BorderStyle border = BorderStyle::None;
};
