#pragma once

#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVWnd.h"

// Shows and hides that skip a widget a failed load left unmade.
inline void ShowIf(GVWnd* wnd, bool show)
{
    if (wnd) wnd->Show(show);
}

inline void Hide(GVWnd* wnd)
{
    ShowIf(wnd, false);
}

inline void StopAndHide(GVQZAniWnd* animation)
{
    if (!animation) return;
    animation->Stop();
    animation->Show(false);
}
