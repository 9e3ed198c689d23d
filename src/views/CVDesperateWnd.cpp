#include "views/CVDesperateWnd.h"

#include <string>

#include "foundation/core/Text.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

// The places the panel's design leaves open, in panel coordinates. Each screen slot's widgets sit
// above its gauge bar (slot 0 the lower half), which is 49 pixels tall when full.
constexpr int kGaugeTop[2] = {194, 121};
constexpr Size kGaugeSize{10, 49};
constexpr Point kBetTextNoTarget{20, 61};
constexpr Size kBetTextSize{140, 14};
constexpr Point kTargetPoint{30, 8};
constexpr Point kNameOffset{20, -8};          // from the gauge's top-left
constexpr Size kNameSize{140, 14};
constexpr Point kScoreOffset{20, 10};
constexpr Size kScoreSize{90, 30};
constexpr Point kLabelOffset{114, 16};
constexpr Point kEffectPoint{91, 128};
constexpr Point kGiveUpPoint{51, 226};

}  // namespace

bool CVDesperateWnd::CreateChildren(PanelOwner& room, int skin)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(back = f.CreatePSPWnd("GameRule\\Desperate\\desperate_back.psp", {0, 0}, Visible::No))) return false;
    // Until a target is set the back shows its frame without one.
    back->SetFrame(2 * skin + 1);
    if (!Adopt(betText = f.CreateTextWnd("", kBetTextNoTarget, kBetTextSize, 12, 700, 0xFFFFFF))) return false;
    betText->SetTextFormat(DT_CENTER);
    if (!Adopt(targetImage = f.CreatePSPWnd("GameRule\\Desperate\\targetscore.psp", kTargetPoint, Visible::No)))
        return false;
    for (int slot = 0; slot < 2; ++slot)
        if (!MakeSlot(f, slot, skin)) return false;
    if (!Adopt(hundredEffect = f.CreateQZAniWnd("GameRule\\Desperate\\100jumeffect.qza", kEffectPoint))) return false;
    if (!Adopt(winEffect = f.CreateQZAniWnd("GameRule\\Desperate\\wineffect.qza", kEffectPoint))) return false;
    // One image set per table skin.
    if (!Adopt(giveUp = f.CreatePSPPushBtn("GameRule\\Desperate\\giveup.psp", kGiveUpPoint, Visible::No, 2)))
        return false;
    (void)giveUp->SetImageSet(skin);
    SetPos(kOrigin);
    Reset();
    Show(false);
    return true;
}

bool CVDesperateWnd::MakeSlot(WidgetFactory& f, int screenSlot, int skin)
{
    SlotWidgets& s = slots[static_cast<size_t>(screenSlot)];
    const Point gaugeAt{15, kGaugeTop[screenSlot]};
    const Point scoreAt = gaugeAt + kScoreOffset;
    if (!Adopt(s.zeroPoints = f.CreatePSPWnd("GameRule\\Desperate\\zeropt.psp", scoreAt, Visible::No))) return false;
    s.zeroPoints->SetFrame(skin);
    if (!Adopt(s.name = f.CreateTextWnd("", gaugeAt + kNameOffset, kNameSize, 12, 700, 0xFFFFFF))) return false;
    const std::string digits = FormatText("GameRule\\Desperate\\jumsu%d.psp", screenSlot);
    if (!Adopt(s.score = f.CreatePSPNumberWnd(digits, scoreAt, kScoreSize, 0, 0, Visible::No))) return false;
    if (!Adopt(s.label = f.CreatePSPWnd("GameRule\\Desperate\\text.psp", gaugeAt + kLabelOffset, Visible::No)))
        return false;
    s.blinkScore = f.CreatePSPNumberWnd("GameRule\\Desperate\\jumsu_effect.psp", scoreAt, kScoreSize, 0, 0, Visible::No);
    if (!Adopt(s.blinkScore)) return false;
    if (!Adopt(s.gauge = f.CreateDDSWnd("GameRule\\Desperate\\gauge.bmp", -1, gaugeAt, kGaugeSize))) return false;
    return Adopt(s.gaugeEffect = f.CreateDDSWnd("GameRule\\Desperate\\gaugeeffect.bmp", -1, gaugeAt, kGaugeSize));
}

void CVDesperateWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    betText = nullptr;
    targetImage = nullptr;
    slots = {};
    hundredEffect = winEffect = nullptr;
    giveUp = nullptr;
}

int CVDesperateWnd::Reset()
{
    for (GVQZAniWnd* effect : {hundredEffect, winEffect})
        if (effect) effect->Stop();
    for (GVWnd* child : Children()) child->Show(false);
    Invalidate();
    return 1;
}
