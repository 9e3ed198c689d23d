#include "views/CVDesperateWnd.h"

#include <algorithm>
#include <string>

#include "foundation/core/Clock.h"

#include "foundation/core/Text.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/core/PanelLayout.h"

namespace {

// The places the panel's design leaves open, in panel coordinates. Each screen slot's widgets sit
// above its gauge bar (slot 0 the lower half), which is 49 pixels tall when full.
constexpr const int32_t (&kGaugeTop)[2] = PanelLayout::kTargetScoreGaugeTop;
constexpr Size kGaugeSize{10, 49};
constexpr Point kBetTextNoTarget{20, 61};
constexpr Point kBetText{20, 33};
constexpr Size kBetTextSize{140, 14};
constexpr Point kTargetPoint{30, 8};
constexpr Point kNameOffset{20, -8};          // from the gauge's top-left
constexpr Size kNameSize{140, 14};
constexpr Point kScoreOffset = PanelLayout::kTargetScoreScoreOffset;
constexpr Size kScoreSize = PanelLayout::kTargetScoreScoreSize;
constexpr Point kLabelOffset = PanelLayout::kTargetScoreLabelOffset;
constexpr Point kEffectPoint{91, 128};
constexpr Point kGiveUpPoint = PanelLayout::kTargetScoreGiveUp;

}  // namespace

bool CVDesperateWnd::CreateChildren(TargetScoreOwner& room, int tableSkin)
{
    WidgetFactory f = BeginChildren(room);
    scoreOwner = &room;
    skin = tableSkin;
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

bool CVDesperateWnd::MakeSlot(WidgetFactory& f, int screenSlot, int slotSkin)
{
    SlotWidgets& s = slots[static_cast<size_t>(screenSlot)];
    const Point gaugeAt{15, kGaugeTop[screenSlot]};
    const Point scoreAt = gaugeAt + kScoreOffset;
    if (!Adopt(s.zeroPoints = f.CreatePSPWnd("GameRule\\Desperate\\zeropt.psp", scoreAt, Visible::No))) return false;
    s.zeroPoints->SetFrame(slotSkin);
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
    scoreOwner = nullptr;
    back = nullptr;
    betText = nullptr;
    targetImage = nullptr;
    slots = {};
    hundredEffect = winEffect = nullptr;
    giveUp = nullptr;
}

int CVDesperateWnd::Reset()
{
    state = {};
    for (GVQZAniWnd* effect : {hundredEffect, winEffect})
        if (effect) effect->Stop();
    for (GVWnd* child : Children()) child->Show(false);
    Invalidate();
    return 1;
}

int CVDesperateWnd::SetBetAndTarget(int32_t betIndex, int32_t newTargetIndex, int64_t customBet)
{
    if (!scoreOwner) return 0;
    const auto roomBet = TargetScoreRules::BetOf(scoreOwner->GetRoomKind(), betIndex, customBet);
    if (!roomBet) return 0;
    bet = *roomBet;
    const auto roomTarget = TargetScoreRules::TargetOf(newTargetIndex);
    if (!roomTarget) return 0;
    targetIndex = newTargetIndex;
    target = *roomTarget;
    ShowBet();
    return 1;
}

int CVDesperateWnd::SetBet(int32_t betIndex, int64_t newBet)
{
    if (!scoreOwner || !TargetScoreRules::IsTargetScoreRoom(scoreOwner->GetRoomKind())) return 0;
    if (betIndex < 0 || betIndex >= TargetScoreRules::kBetIndexes) return 0;
    bet = newBet;
    ShowBet();
    betText->Show(true);
    return 1;
}

void CVDesperateWnd::ShowBet()
{
    std::string text;
    betText->SetText(MoneyToUnitText(text, bet, 2));
    Invalidate();
}

int CVDesperateWnd::Open()
{
    Reset();
    SetSkin(skin);
    back->Show(true);
    const Point origin = GetRect().TopLeft();
    betText->SetPos(origin + (HasTarget() ? kBetText : kBetTextNoTarget));
    betText->Show(true);
    giveUp->Show(false);
    if (HasTarget()) {
        giveUp->SetPos(origin + kGiveUpPoint);
        targetImage->Show(true);
        for (const SlotWidgets& s : slots) {
            s.zeroPoints->Show(true);
            s.name->Show(true);
        }
    }
    Show(true);
    Invalidate();
    return 1;
}

void CVDesperateWnd::SetSkin(int newSkin)
{
    skin = newSkin;
    if (!back) return;
    back->SetFrame(HasTarget() ? 2 * skin : 2 * skin + 1);
    if (HasTarget()) targetImage->SetFrame(skin + 2 * targetIndex - 2);
    for (const SlotWidgets& s : slots) s.zeroPoints->SetFrame(skin);
    (void)giveUp->SetImageSet(skin);
    Invalidate();
}

void CVDesperateWnd::SetPlayerName(int screenSlot, const std::string& name)
{
    if (screenSlot != 0 && screenSlot != 1) return;
    slots[static_cast<size_t>(screenSlot)].name->SetText(name);
    Invalidate();
}

void CVDesperateWnd::SetPlayerScore(int screenSlot, int score, Immediate immediate)
{
    ShowScore(screenSlot, score, immediate, Sound::Yes);
}

void CVDesperateWnd::ShowScore(int slot, int score, Immediate immediate, Sound sound)
{
    if ((slot != 0 && slot != 1) || !HasTarget() || !back) return;
    SlotWidgets& w = slots[static_cast<size_t>(slot)];
    SlotState& st = state[static_cast<size_t>(slot)];
    w.gauge->Show(false);
    w.gaugeEffect->Show(false);
    const int old = st.score;
    const int shown = std::clamp(score, 0, target);
    st.score = shown;
    st.rise.Start(std::clamp(old, 0, target), shown, TargetScoreRules::kCountSteps);
    const uint32_t now = Clock::NowMs();
    const bool negative = score < 0;
    w.zeroPoints->Show(negative);
    if (shown == TargetScoreRules::kHundred) {
        hundredEffect->SelectAnimation(slot);
        hundredEffect->Play(1, true);
        st.rising = true;
        st.riseAt = now;
        for (GVWnd* digits : {static_cast<GVWnd*>(w.score), static_cast<GVWnd*>(w.label), static_cast<GVWnd*>(w.blinkScore)})
            digits->Show(false);
        DrawGauge(slot, w.gauge, shown);
    } else {
        w.score->SetNumber(shown);
        w.blinkScore->SetNumber(shown);
        w.score->Show(!negative);
        w.label->Show(true);
        if (immediate == Immediate::No) {
            st.blinking = true;
            st.blinkLeft = TargetScoreRules::kCountSteps;
            st.blinkAt = now;
            st.rising = true;
            st.riseAt = now;
            DrawGauge(slot, w.gaugeEffect, shown);
            w.gaugeEffect->Show(true);
            DrawGauge(slot, w.gauge, st.rise.shown);
        } else {
            st.rise = {};
            st.rise.shown = st.rise.score = shown;
            DrawGauge(slot, w.gauge, shown);
        }
    }
    w.gauge->Show(true);
    if (sound == Sound::Yes && scoreOwner) scoreOwner->PlayTargetScoreSound(MissionSound::Gauge);
    Invalidate();
}

// The bar shows its bottom rows for the score, standing on the slot's gauge bottom.
void CVDesperateWnd::DrawGauge(int slot, GVDDSWnd* bar, int score)
{
    const int fill = TargetScoreRules::GaugeFill(score, target);
    const Size image = bar->GetImageSize();
    const int full = TargetScoreRules::kGaugeHeight;
    bar->SetSrcRect(Rect(0, image.cy - fill, image.cx, image.cy));
    bar->SetPos(GetRect().TopLeft() + Point{15, kGaugeTop[slot] + full - fill});
}

void CVDesperateWnd::SwapSides()
{
    if (!HasTarget()) return;
    const int first = state[0].score;
    const int second = state[1].score;
    ShowScore(0, second, Immediate::Yes, Sound::Yes);
    ShowScore(1, first, Immediate::Yes, Sound::Yes);
    const std::string name = slots[0].name->GetText();
    slots[0].name->SetText(slots[1].name->GetText());
    slots[1].name->SetText(name);
}

void CVDesperateWnd::ResetRound()
{
    if (!HasTarget()) return;
    for (GVQZAniWnd* effect : {hundredEffect, winEffect}) effect->Stop();
    for (int slot = 0; slot < 2; ++slot) ShowScore(slot, 0, Immediate::No, Sound::No);
    for (size_t slot = 0; slot < 2; ++slot) {
        slots[slot].gauge->Show(false);
        slots[slot].gaugeEffect->Show(false);
        state[slot].blinking = state[slot].rising = false;
        slots[slot].blinkScore->Show(false);
        slots[slot].score->Show(true);
    }
    if (scoreOwner) scoreOwner->PlayTargetScoreSound(MissionSound::Gauge);
    Invalidate();
}

void CVDesperateWnd::PlayWinEffect(int screenSlot)
{
    if (!HasTarget() || (screenSlot != 0 && screenSlot != 1) || !winEffect) return;
    if (!winEffect->SelectAnimationByName(FormatText("%d", screenSlot))) return;
    winEffect->Play(-1, false);
    Invalidate();
}

void CVDesperateWnd::StopWinEffect()
{
    if (!winEffect) return;
    winEffect->Stop();
    Invalidate();
}

void CVDesperateWnd::UpdateGiveUpButton(int gameState)
{
    if (!giveUp) return;
    const bool on = HasTarget() && scoreOwner && scoreOwner->IsOwnUserSeated() && gameState == 2;
    giveUp->Show(on);
    giveUp->Enable(on);
    Invalidate();
}

void CVDesperateWnd::OnChildClick(GVWnd& child)
{
    if (&child == giveUp && scoreOwner) scoreOwner->RequestGiveUp();
}

int CVDesperateWnd::Step()
{
    if (!HasTarget()) return 0;
    int changed = CVPanel::Step();
    const uint32_t now = Clock::NowMs();
    for (int slot = 0; slot < 2; ++slot) {
        if (StepBlink(slot, now)) changed = 1;
        if (StepGauge(slot, now)) changed = 1;
    }
    if (changed) Invalidate();
    return changed;
}

// The blinking digits and the score digits alternate; after the last step the score digits stay.
bool CVDesperateWnd::StepBlink(int slot, uint32_t now)
{
    SlotState& st = state[static_cast<size_t>(slot)];
    SlotWidgets& w = slots[static_cast<size_t>(slot)];
    if (!st.blinking || now - st.blinkAt <= static_cast<uint32_t>(TargetScoreRules::kBlinkStepMs)) return false;
    st.blinkAt = now;
    if (st.blinkLeft > 0) {
        --st.blinkLeft;
        const bool blinkOn = !w.blinkScore->IsVisible();
        w.blinkScore->Show(blinkOn);
        w.score->Show(!blinkOn);
    }
    if (st.blinkLeft == 0) {
        w.blinkScore->Show(false);
        w.score->Show(true);
        st.blinking = false;
    }
    return true;
}

bool CVDesperateWnd::StepGauge(int slot, uint32_t now)
{
    SlotState& st = state[static_cast<size_t>(slot)];
    SlotWidgets& w = slots[static_cast<size_t>(slot)];
    if (!st.rising || now - st.riseAt <= static_cast<uint32_t>(TargetScoreRules::kGaugeStepMs)) return false;
    st.riseAt = now;
    if (st.rise.Advance()) {
        DrawGauge(slot, w.gauge, st.rise.shown);
        w.gauge->Show(true);
    }
    if (st.rise.left == 0) {
        DrawGauge(slot, w.gauge, st.score);
        w.gaugeEffect->Show(false);
        w.gauge->Show(true);
        st.rising = false;
    }
    return true;
}
