#include "views/CVCountWnd.h"

#include <string>

#include "views/WidgetFactory.h"

bool CVCountWnd::CreateCountText(WidgetFactory& factory)
{
    text.reset(factory.CreateTextWnd("", GetPos() + kTextOffset, {17, 14}, 12, 700, 0x06F9F5));
    if (!text) return false;
    text->SetTextFormat(DT_CENTER);
    return true;
}

void CVCountWnd::SetCount(int count)
{
    if (text) text->SetText(count < 1 ? std::string() : std::to_string(count));
    Show(count >= 1);
    Invalidate();
}

void CVCountWnd::SetPos(Point p)
{
    GVDDSWnd::SetPos(p);
    if (text) text->SetPos(p + kTextOffset);
}

int CVCountWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!visible) return GVWnd::Draw(surface, clip);
    if (!GVDDSWnd::Draw(surface, clip)) return 0;
    return !text || text->Draw(surface, clip) ? 1 : 0;
}
