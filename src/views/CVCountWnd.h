#pragma once

#include <memory>

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVTextWnd.h"

class WidgetFactory;

// A small counter bitmap with a centred number on it (the pi count beside a captured pile).
class CVCountWnd : public GVDDSWnd {
public:
    static constexpr Point kTextOffset{2, 4};

    // The number's text widget, 17 x 14, bold 12, centred and empty; false when it cannot be made.
    [[nodiscard]] bool CreateCountText(WidgetFactory& factory);
    // Below 1: no text, hidden. Otherwise the number, shown.
    void SetCount(int count);
    const GVTextWnd* GetCountText() const { return text.get(); }

    // The bitmap to `p`, the text to `p` + kTextOffset.
    void SetPos(Point p) override;
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    std::unique_ptr<GVTextWnd> text;
};
