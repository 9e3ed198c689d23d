#include "views/CVRestrictOptionWnd.h"

#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"

bool CVRestrictOptionWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(back = f.CreateQZSWnd("GameRule\\Restrict\\back.qzs", {0, 0}, Visible::No))) return false;
    if (!Adopt(text = f.CreateTextWnd("", {20, 23}, {54, 16}, 12, 400, 0x99FFFE))) return false;
    text->SetTextFormat(DT_CENTER);
    SetPos(kOrigin);
    Show(false);
    return true;
}

void CVRestrictOptionWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    text = nullptr;
}

int CVRestrictOptionWnd::Reset()
{
    if (back) back->Show(false);
    if (text) text->SetText("");
    Show(false);
    Invalidate();
    return 1;
}
