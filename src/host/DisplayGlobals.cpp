#include "host/DisplayGlobals.h"

#include "foundation/Debug.h"
#include "graphics/resources/XResEntryMgr.h"
#include "graphics/sprite/core/FXMan.h"
#include "toolkit/GDDScreen.h"

void BindGlobalsToDisplay(const GDDScreen& screen)
{
    CreateFXMan(screen.GetPixelMode());
    const HRESULT hr = XResEntryMgr::Instance().Bind(screen.GetDirectDraw(), screen.GetBackBuffer(), screen.GetColorKey());
    if (FAILED(hr)) Fail("XResEntryMgr::Bind", hr);
}

void UnbindGlobalsFromDisplay()
{
    XResEntryMgr::Instance().Unbind();
}
