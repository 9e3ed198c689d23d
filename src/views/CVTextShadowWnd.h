#pragma once

#include <cstdint>

#include "toolkit/GVTextWnd.h"

// A text with a copy in the shadow colour one pixel right and down, beneath it.
class CVTextShadowWnd : public GVTextWnd {
public:
    static constexpr Point kShadowOffset{1, 1};

    void SetShadowColor(uint32_t colorRef);
    uint32_t GetShadowColor() const { return shadowColor; }

    // The shadow, then the text in its own colour; the widget stays where it is.
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    uint32_t shadowColor = 0;
};
