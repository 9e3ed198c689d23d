#include "views/CVDesperateResultWnd.h"

#include <string>

#include "foundation/core/Text.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"

namespace {

// The places the panel's design leaves open, in window coordinates like the ones it gives (the
// OK button's, the marker's and the shadow's); At turns them into panel coordinates.
constexpr Point At(Point window)
{
    return window - CVDesperateResultWnd::kOrigin;
}

constexpr Point kBackPoint{400, 230};
constexpr Point kOkPoint{301, 327};
constexpr Point kMarkerPoint{234, 263};
constexpr Point kSidePoint[2] = {{176, 150}, {400, 150}};
constexpr Point kNamePoint[2] = {{176, 200}, {400, 200}};
constexpr Size kNameSize{150, 14};
constexpr Point kScorePoint[2] = {{176, 220}, {400, 220}};
constexpr Size kGlyphLineSize{150, 30};
constexpr Size kGlyphSize{15, 30};
constexpr Point kMoneyPoint{246, 290};
constexpr Size kMoneySize{300, 30};
constexpr Point kTitlePoint{246, 96};
constexpr Point kDrawCaptionPoint{246, 120};
constexpr Point kNextRoundPoint{246, 270};
constexpr Point kEventFundPoint{246, 310};
constexpr Size kLineSize{300, 16};
constexpr Point kNoticePoint{300, 240};
constexpr Point kFinalResultPoint{300, 150};
constexpr Point kChamgiOkPoint{236, 327};
constexpr Point kChamgiPoint{366, 327};
constexpr Point kChamgiWaitingPoint{300, 337};
constexpr Point kChallengeBackPoint{176, 250};
constexpr Point kChallengePoint[3] = {{196, 280}, {286, 280}, {376, 280}};
constexpr Point kItemOffset{45, 348};  // under the panel, as under the ordinary result

}  // namespace

bool CVDesperateResultWnd::CreateChildren(ResultOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    const auto psp = [&](GVPSPWnd*& w, const char* file, Point window) {
        return Adopt(w = f.CreatePSPWnd(file, At(window), Visible::No));
    };
    const auto button = [&](CVPSPPushBtn*& b, const char* file, Point window, int sets) {
        return Adopt(b = f.CreatePSPPushBtn(file, At(window), Visible::No, sets));
    };
    const auto text = [&](GVTextWnd*& t, Point window, Size box) {
        if (!Adopt(t = f.CreateTextWnd("", At(window), box, 12, 700, 0xFFFFFF))) return false;
        t->SetTextFormat(DT_CENTER);
        t->Show(false);
        return true;
    };
    const auto glyphs = [&](CVQZATextWnd*& t, const std::string& file, Point window, Size box) {
        return Adopt(t = f.CreateQZATextWnd(file, At(window), box, kGlyphSize));
    };

    if (!Adopt(back = f.CreateQZAniWnd("DesperateResult\\back.qza", At(kBackPoint)))) return false;
    if (!Adopt(shadow = f.CreateQZSWnd("DesperateResult\\back_shadow.qzs", At(kShadowPoint), Visible::No))) return false;
    if (!button(buttons[size_t(Button::Ok)], "DesperateResult\\ok_btn.psp", kOkPoint, 1)) return false;
    for (size_t i = 0; i < sides.size(); ++i)
        if (!psp(sides[i], "DesperateResult\\element.psp", kSidePoint[i])) return false;
    if (!psp(marker, "DesperateResult\\element.psp", kMarkerPoint)) return false;
    if (!text(title, kTitlePoint, kLineSize)) return false;
    for (size_t i = 0; i < names.size(); ++i)
        if (!text(names[i], kNamePoint[i], kNameSize)) return false;
    for (size_t i = 0; i < scoreTexts.size(); ++i) {
        const std::string file = FormatText("DesperateResult\\total_jum%d.qza", static_cast<int>(i));
        if (!glyphs(scoreTexts[i], file, kScorePoint[i], kGlyphLineSize)) return false;
    }
    if (!glyphs(moneyText, "DesperateResult\\money.qza", kMoneyPoint, kMoneySize)) return false;
    if (!Adopt(scoreAnimation = f.CreateQZAniWnd("DesperateResult\\score_ok.qza", At(kBackPoint)))) return false;
    if (!psp(notice, "DesperateResult\\notice.psp", kNoticePoint)) return false;
    if (!psp(finalResult, "DesperateResult\\resultnotify.psp", kFinalResultPoint)) return false;
    if (!button(buttons[size_t(Button::ChamgiOk)], "DesperateResult\\ok_btn.psp", kChamgiOkPoint, 1)) return false;
    if (!button(buttons[size_t(Button::Chamgi)], "DesperateResult\\chamgi_btn.psp", kChamgiPoint, 2)) return false;
    chamgiWaiting = f.CreateQZSWnd("DesperateResult\\chamgi_waiting.qzs", At(kChamgiWaitingPoint), Visible::No);
    if (!Adopt(chamgiWaiting)) return false;
    if (!text(nextRoundText, kNextRoundPoint, kLineSize)) return false;
    if (!text(drawCaption, kDrawCaptionPoint, kLineSize)) return false;
    if (!text(eventFundText, kEventFundPoint, kLineSize)) return false;
    if (!psp(challengeBack, "DesperateResult\\challenge_back.psp", kChallengeBackPoint)) return false;
    for (size_t i = 0; i < challengeButtons.size(); ++i)
        if (!button(challengeButtons[i], "DesperateResult\\challenge_btn.psp", kChallengePoint[i], 1)) return false;
    if (!Adopt(itemWnd = room.CreateItemWnd())) return false;
    itemWnd->SetPos(kItemOffset);
    SetPos(kOrigin);
    Reset();
    return true;
}

void CVDesperateResultWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    shadow = nullptr;
    sides = {};
    marker = nullptr;
    title = nullptr;
    names = {};
    scoreTexts = {};
    moneyText = nullptr;
    scoreAnimation = nullptr;
    notice = finalResult = nullptr;
    buttons = {};
    chamgiWaiting = nullptr;
    nextRoundText = drawCaption = eventFundText = nullptr;
    challengeBack = nullptr;
    challengeButtons = {};
    itemWnd = nullptr;
}

CVPSPPushBtn* CVDesperateResultWnd::GetButton(Button b) const
{
    const auto i = static_cast<size_t>(b);
    return i < buttons.size() ? buttons[i] : nullptr;
}

int CVDesperateResultWnd::Reset()
{
    if (shadow) shadow->SetPos(GetPos() + At(kShadowPoint));
    if (itemWnd) itemWnd->Reset();
    for (GVWnd* child : Children()) child->Show(false);
    Show(false);
    Invalidate();
    return 1;
}
