#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/GVDDSWnd.h"

// A number drawn from a strip of ten digit cells in its picture, right-aligned on the widget's
// right edge (digits left of the rectangle still show).
class CVNumberWnd : public GVDDSWnd {
public:
    // The strip in the picture: ten cells side by side, each a tenth of its width.
    void SetDigitRect(const Rect& strip);
    void SetSpacing(int pixels);
    void SetNumber(uint64_t n);
    const std::vector<int>& GetDigits() const { return digits; }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    std::vector<int> digits{0};  // most significant first
    Rect strip;
    int spacing = 0;
};
