#include "views/CVMirelleBijouWnd.h"

#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVQZATextWnd.h"

namespace {

constexpr Point kJewelPoint{27, 10};
constexpr Point kGainPoint{20, 30};
constexpr Size kGainTextSize{80, 30};
constexpr Size kGainGlyphSize{12, 30};

}  // namespace

bool CVMirelleBijouWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(levelBack = f.CreatePSPWnd("Bijou\\back.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(successBack = f.CreatePSPWnd("Bijou\\back_success.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(jewelAni = f.CreateQZAniWnd("Bijou\\bijou.qza", kJewelPoint))) return false;
    if (!Adopt(jewelImage = f.CreatePSPWnd("Bijou\\bijou.psp", kJewelPoint, Visible::No))) return false;
    if (!Adopt(countNumber = f.CreatePSPNumberWnd("Bijou\\bijoucnt.psp", {69, 35}, {44, 14}, 0, 0, Visible::No)))
        return false;
    if (!Adopt(gainText = f.CreateQZATextWnd("Bijou\\getbijou.qza", kGainPoint, kGainTextSize, kGainGlyphSize)))
        return false;
    if (!Adopt(gainAni = f.CreateQZAniWnd("Bijou\\getbijou.qza", kGainPoint))) return false;
    gainAni->SelectAnimationByName(kGainClip);
    SetPos(kOrigin);
    return true;
}

void CVMirelleBijouWnd::Clear()
{
    CVPanel::Clear();
    levelBack = successBack = jewelImage = nullptr;
    jewelAni = gainAni = nullptr;
    countNumber = nullptr;
    gainText = nullptr;
    enabled = false;
}

int CVMirelleBijouWnd::Step()
{
    return enabled ? CVPanel::Step() : 0;
}
