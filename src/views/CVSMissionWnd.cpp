#include "views/CVSMissionWnd.h"

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr int kCardSpacing = 36;
constexpr Point kSpecialIcon{52, 130};
constexpr Point kMultiplier{127, 143};
constexpr Point kCaption{34, 211};
constexpr Size kCaptionSize{165, 14};
constexpr uint32_t kCaptionColor = 0xFFFFFF;
constexpr Point kStatus{49, 200};
constexpr Point kEffect{1, 45};

}  // namespace

// The back first, so it is drawn beneath the rest.
bool CVSMissionWnd::CreateChildren(PanelOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    skin = tableSkin;
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\back.qza", {0, 0}))) return false;
    for (int i = 0; i < kCards; ++i) {
        const auto n = static_cast<size_t>(i);
        const Point at = kFirstCard + Point{i * kCardSpacing, 0};
        if (!Adopt(cards[n] = MissionParts::MakeCard(f, i, at))) return false;
        if (!Adopt(captured[n] = MissionParts::MakeCapturedOverlay(f, at))) return false;
        for (size_t slot = 0; slot < 2; ++slot)
            if (!Adopt(marks[n][slot] = f.CreatePSPWnd("Mission\\arrow.psp", at + kMarkOffset[slot], Visible::No)))
                return false;
    }
    if (!Adopt(special = f.CreatePSPWnd("Mission\\special.psp", kSpecialIcon, Visible::No))) return false;
    if (!Adopt(multiplier = f.CreatePSPWnd("Mission\\mul.psp", kMultiplier, Visible::No))) return false;
    if (!Adopt(caption = f.CreateTextWnd("", kCaption, kCaptionSize, 12, 700, kCaptionColor))) return false;
    caption->SetTextFormat(DT_CENTER);
    if (!Adopt(status = f.CreateQZAniWnd("Mission\\status.qza", kStatus))) return false;
    if (!Adopt(effect = f.CreateQZAniWnd("Mission\\effect.qza", kEffect))) return false;
    MissionParts::PlaceHidden(*this, MissionParts::kPanelOrigin);
    return true;
}

void CVSMissionWnd::Clear()
{
    CVPanel::Clear();
    back = status = effect = nullptr;
    special = multiplier = nullptr;
    cards.fill(nullptr);
    captured.fill(nullptr);
    for (auto& pair : marks) pair.fill(nullptr);
    caption = nullptr;
}

void CVSMissionWnd::Reset()
{
    for (CVHTWnd* card : cards)
        if (card) card->Reset();
    MissionParts::HideAll(*this);
}
