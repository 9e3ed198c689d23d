#include "views/CVMirelleBijouWnd.h"

#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "foundation/core/Clock.h"
#include "foundation/core/Text.h"
#include "views/CVQZATextWnd.h"
#include "views/core/BijouRules.h"
#include "table/core/RoundRules.h"
#include "table/core/TableLayout.h"

namespace {

constexpr Point kJewelPoint{27, 10};
constexpr Point kGainPoint{20, 30};
constexpr Size kGainTextSize{80, 30};
constexpr Size kGainGlyphSize{12, 30};

}  // namespace

bool CVMirelleBijouWnd::CreateChildren(PeripheryOwner& roomOwner)
{
    room = &roomOwner;
    WidgetFactory f = BeginChildren(roomOwner);
    if (!Adopt(levelBack = f.CreatePSPWnd("Bijou\\back.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(successBack = f.CreatePSPWnd("Bijou\\back_success.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(jewelAni = f.CreateQZAniWnd("Bijou\\bijou.qza", kJewelPoint))) return false;
    if (!Adopt(jewelImage = f.CreatePSPWnd("Bijou\\bijou.psp", kJewelPoint, Visible::No))) return false;
    countNumber = f.CreatePSPNumberWnd("Bijou\\bijoucnt.psp", PanelLayout::kJewelCount, PanelLayout::kJewelCountSize, 0, 0,
                                       Visible::No);
    if (!Adopt(countNumber)) return false;
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
    room = nullptr;
    enabled = effectA = effectB = false;
    effectSteps = count = value = gained = 0;
    highLimit = true;
}

int32_t CVMirelleBijouWnd::GetLimit() const
{
    return BijouRules::Limit(highLimit);
}

bool CVMirelleBijouWnd::BannerShown() const
{
    return room && room->IsDefaultBannerVisible();
}

int CVMirelleBijouWnd::SetBijouInfo(bool enable, int32_t kind, int32_t jewelCount, int32_t jewelValue)
{
    const RCUser* own = room ? &room->GetOwnUser() : nullptr;
    const bool high = enable && own ? BijouRules::HasHighLimit(own->memberClub, own->memberGold) : highLimit;
    const bool belowLimit = jewelCount < BijouRules::Limit(high);
    if (belowLimit && (jewelCount < 0 || kind < 0 || kind >= BijouRules::kKinds)) return 0;
    HideAll();
    enabled = enable;
    highLimit = high;
    count = jewelCount;
    value = jewelValue;
    gained = 0;
    if (!belowLimit) {
        count = GetLimit();
        if (successBack) successBack->Show(true);
        Show(true);
        Invalidate();
        return 1;
    }
    if (countNumber) {
        countNumber->SetNumber(0);
        countNumber->Show(true);
    }
    const PeripheryOwner::RoomFacts facts = room ? room->GetRoomFacts() : PeripheryOwner::RoomFacts{};
    if (IsTargetScoreRoom(facts.roomKind)) {
        const int32_t level = RoundRules::StakeLevel(facts.roomKind, facts.stakeIndex, facts.roomStakeValue);
        if (level == 0) {
            HideAll();
            if (room) room->ShowDefaultBanner(true);
            if (levelBack) levelBack->Show(false);
            return 1;
        }
        if (levelBack) levelBack->SetFrame(level);
    } else {
        if (jewelImage) {
            if (kind > 0) jewelImage->SetFrame(kind - 1);
            jewelImage->Show(kind > 0);
        }
        if (levelBack) levelBack->SetFrame(0);
    }
    if (levelBack) levelBack->Show(true);
    Show(true);
    Invalidate();
    return 1;
}

void CVMirelleBijouWnd::AddBijou(int32_t n)
{
    if (count >= GetLimit() || !enabled || n < 0 || BannerShown()) return;
    count = BijouRules::AddSaturated(count, n);
    gained = BijouRules::AddSaturated(gained, n);
    if (gainText) {
        gainText->SetText(FormatText("+%d", n));
        gainText->Show(true);
        gainText->StartReveal(false, 50);
    }
    if (highLimit && gainAni && gainText) {
        gainAni->SetPos(gainText->GetPos() - Point{20, 0});
        gainAni->Show(true);
        gainAni->Play(1, false);
    }
    if (countNumber) countNumber->SetNumber(gained);
    Invalidate();
}

void CVMirelleBijouWnd::SetBijouKind(int32_t kind)
{
    if (count >= GetLimit() || BannerShown()) return;
    if (room && IsTargetScoreRoom(room->GetRoomFacts().roomKind)) return;
    if (kind < 0 || kind >= BijouRules::kKinds) return;
    constexpr int kNoKindClip = 4;
    if (jewelImage) {
        if (kind > 0) jewelImage->SetFrame(kind - 1);
        jewelImage->Show(kind > 0);
    }
    if (jewelAni) {
        jewelAni->SelectAnimation(kind > 0 ? kind - 1 : kNoKindClip);
        jewelAni->Show(true);
        jewelAni->Play(1, false);
    }
    Invalidate();
}

void CVMirelleBijouWnd::SetStakeLevel(int32_t level)
{
    if (level < 0 || level >= BijouRules::kLevels) return;
    if (levelBack && levelBack->IsVisible() && levelBack->GetFrame() == level) return;
    constexpr int32_t kPlainTargetRoom = 40;
    if (room && room->GetRoomFacts().roomKind == kPlainTargetRoom) return;
    HideAll();
    if (level == 0) {
        if (room) room->ShowDefaultBanner(true);
    } else if (levelBack) {
        levelBack->SetFrame(level);
        levelBack->Show(true);
    }
    Invalidate();
}

int CVMirelleBijouWnd::StartEffect(bool a, bool b)
{
    if (count >= GetLimit() || !enabled || BannerShown()) return 1;
    if (a) effectA = true;
    if (b && !(room && IsTargetScoreRoom(room->GetRoomFacts().roomKind))) effectB = true;
    if (a || b) {
        effectSteps = BijouRules::kEffectSteps;
        lastEffectStep = Clock::NowMs();
    }
    Invalidate();
    return 1;
}

void CVMirelleBijouWnd::HideAll()
{
    effectA = effectB = false;
    for (GVWnd* child : Children()) child->Show(false);
    if (room) room->ShowDefaultBanner(false);
    Invalidate();
}

int CVMirelleBijouWnd::Step()
{
    if (!enabled) return 0;
    int changed = CVPanel::Step();
    if (gainText && gainText->IsVisible() && gainText->Step()) changed = 1;
    if (!effectA && !effectB) return changed;
    if (effectSteps < 1) {
        effectA = effectB = false;
        if (count >= GetLimit()) {
            HideAll();
            if (successBack) successBack->Show(true);
        }
    } else {
        const uint32_t now = Clock::NowMs();
        if (now - lastEffectStep > BijouRules::kEffectStepMs) {
            --effectSteps;
            lastEffectStep = now;
        }
    }
    Invalidate();
    return 1;
}
