#include "views/CVJumsuInfoWnd.h"

#include <initializer_list>

#include "foundation/core/Clock.h"
#include "protocol/RoundRecords.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"

namespace {

constexpr Size kScoreBox{60, 50};
constexpr Size kLineBox{70, 20};

void ShowAll(std::initializer_list<GVWnd*> widgets, bool show)
{
    for (GVWnd* w : widgets) w->Show(show);
}

}  // namespace

bool CVJumsuInfoWnd::CreateChildren(PanelOwner& panelOwner, int seat, int panelSkin)
{
    if (seat != 0 && seat != 1) return false;
    WidgetFactory f = BeginChildren(panelOwner);
    const auto number = [&](const char* name, Point p, Size box, int spacing) {
        return f.CreatePSPNumberWnd(name, p, box, kNumberStyle, spacing, Visible::No);
    };
    const auto captionFrame = [&](Point p, int frame) {
        GVPSPWnd* w = f.CreatePSPWnd(kCaptionImage, p, Visible::No);
        if (w) w->SetFrame(frame);
        return w;
    };
    if (!Adopt(scoreNumber = number("Jumsu\\jumsu1.psp", {10, 0}, kScoreBox, -30))) return false;
    if (!Adopt(bigScoreNumber = number("Jumsu\\jumsu2.psp", {10, 0}, kScoreBox, -30))) return false;
    if (!Adopt(caption = captionFrame({51, 21}, 0))) return false;
    if (!Adopt(blinkNumber = number("Jumsu\\jumsu_effect.psp", {10, 0}, kScoreBox, -28))) return false;
    if (!Adopt(multiplierCaption = captionFrame({77, 2}, 3))) return false;
    if (!Adopt(multiplierNumber = number("Jumsu\\mul.psp", {93, 2}, kLineBox, -10))) return false;
    if (!Adopt(multiplierSuffix = captionFrame({156, 2}, 5))) return false;
    if (!Adopt(totalCaption = captionFrame({77, 24}, 7))) return false;
    if (!Adopt(totalNumber = number("Jumsu\\totaljumsu.psp", {93, 24}, kLineBox, -10))) return false;
    if (!Adopt(totalSuffix = captionFrame({156, 24}, 9))) return false;
    SetSkin(panelSkin);
    SetPos(kOrigin[seat]);
    Show(true);
    Enable(false);
    return true;
}

void CVJumsuInfoWnd::Clear()
{
    CVPanel::Clear();
    scoreNumber = bigScoreNumber = blinkNumber = multiplierNumber = totalNumber = nullptr;
    caption = multiplierCaption = multiplierSuffix = totalCaption = totalSuffix = nullptr;
    skin = 0;
    lastScore = 0;
    blink = {};
}

void CVJumsuInfoWnd::HideChildren()
{
    for (GVWnd* child : Children()) child->Show(false);
}

void CVJumsuInfoWnd::SetScore(const CHTUser& user)
{
    if (!scoreNumber) return;
    const ScoreView v = ChooseScoreView(user.goCount, user.points, user.multiplier, lastScore, skin);
    for (GVPSPNumberWnd* n : {scoreNumber, bigScoreNumber, blinkNumber}) n->SetNumber(v.score);
    multiplierNumber->SetNumber(v.multiplier);
    totalNumber->SetNumber(v.total);
    HideChildren();
    scoreNumber->Show(v.smallScore);
    bigScoreNumber->Show(v.bigScore);
    ShowAll({totalCaption, totalNumber, totalSuffix}, v.bigScore);
    if (v.captionFrame >= 0) {
        caption->SetFrame(v.captionFrame);
        caption->Show(true);
    }
    ShowAll({multiplierCaption, multiplierNumber, multiplierSuffix}, v.multiplierLine);
    if (v.blink == ScoreView::Blink::Start) blink.Start();
    if (v.blink == ScoreView::Blink::Stop) blink.Stop();
    lastScore = v.score;
    Invalidate();
}

int CVJumsuInfoWnd::SetSkin(int value)
{
    skin = ScoreSkin(value);
    if (!scoreNumber) return 1;
    bigScoreNumber->SetGlyphBase(skin * 10);
    multiplierNumber->SetGlyphBase(skin * 10);
    caption->SetFrame(bigScoreNumber->IsVisible() ? skin + 1 : 0);
    multiplierCaption->SetFrame(skin + 3);
    multiplierSuffix->SetFrame(skin + 5);
    totalCaption->SetFrame(skin + 7);
    Invalidate();
    return 1;
}

void CVJumsuInfoWnd::Reset()
{
    HideChildren();
    lastScore = 0;
    blink = {};
    Invalidate();
}

int CVJumsuInfoWnd::Step()
{
    switch (blink.Step(Clock::NowMs())) {
    case ScoreBlink::Action::None: return 0;
    case ScoreBlink::Action::Wait: break;
    case ScoreBlink::Action::Toggle: blinkNumber->Show(!blinkNumber->IsVisible()); break;
    case ScoreBlink::Action::End: blinkNumber->Show(false); break;
    }
    Invalidate();
    return 1;
}

bool CVJumsuInfoWnd::IsMultiplierLineShown() const
{
    return multiplierCaption && multiplierCaption->IsVisible() && multiplierNumber->IsVisible() &&
           multiplierSuffix->IsVisible();
}

bool CVJumsuInfoWnd::IsTotalLineShown() const
{
    return totalCaption && totalCaption->IsVisible() && totalNumber->IsVisible() && totalSuffix->IsVisible();
}
