#include "views/CVNotifyWnd.h"

#include <new>

#include "table/core/CardModel.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

constexpr Size kLineSize{181, 14};
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0x00FFFF;    // COLORREF
constexpr uint32_t kBetColor = 0x9BF5FF;  // COLORREF
constexpr SoundId kClickSound = SoundId::ButtonClick;
constexpr UINT kYesKey = VK_F1;
constexpr UINT kNoKey = VK_F2;

// A centred line of font size 12, hidden and disabled.
GVTextWnd* MakeLine(WidgetFactory& factory, Point p, int weight, uint32_t color)
{
    GVTextWnd* line = factory.CreateTextWnd("", p, kLineSize, 12, weight, color);
    if (!line) return nullptr;
    line->SetTextFormat(DT_CENTER);
    line->Show(false);
    return line;
}

}  // namespace

void CVNotifyWnd::Clear()
{
    CVPanel::Clear();
    notifyOwner = nullptr;
    back = caption = stopMark = nullptr;
    sideMarks.fill(nullptr);
    cards.fill(nullptr);
    valueLine = secondValueLine = goStopLine = upperLine = lowerLine = betLine = nullptr;
    yes = no = nullptr;
    sideMoneyMark = nullptr;
    kind = -1;
    layout = 0;
    state = State::Closed;
    yesReply = noReply = {};
    showList.clear();
    playList.clear();
}

bool CVNotifyWnd::CreateChildren(NotifyOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    notifyOwner = &room;
    const Point origin{0, 0};

    if (!Adopt(back = f.CreateQZAniWnd("Notify\\back.qza", origin))) return false;
    for (int i = 0; i < Notify::kCardWindows; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (!Adopt(sideMarks[n] = f.CreateQZSWnd("Notify\\hwatoo_side.qzs", origin, Visible::No))) return false;
        if (!Adopt(cards[n] = f.CreateCardWnd(i, "Hwatoo\\normal.bmp", kNormalCardSize))) return false;
        cards[n]->Show(false);
    }
    if (!Adopt(caption = f.CreateQZAniWnd("Notify\\effect.qza", origin))) return false;
    if (!Adopt(valueLine = MakeLine(f, {30, 70}, 400, kWhite))) return false;
    if (!Adopt(secondValueLine = MakeLine(f, {30, 83}, 400, kYellow))) return false;
    if (!Adopt(goStopLine = MakeLine(f, {30, 85}, 400, kWhite))) return false;
    if (!Adopt(upperLine = MakeLine(f, {30, 61}, 400, kWhite))) return false;
    if (!Adopt(lowerLine = MakeLine(f, {30, 137}, 400, kWhite))) return false;
    if (!Adopt(yes = f.CreatePSPPushBtn("Notify\\yes_btn.psp", {40, 102}, Visible::No, 13))) return false;
    if (!Adopt(no = f.CreatePSPPushBtn("Notify\\no_btn.psp", {124, 102}, Visible::No, 6))) return false;
    if (!Adopt(sideMoneyMark = f.CreateQZSWnd("Notify\\sidemoneymark.qzs", {37, 144}, Visible::No))) return false;
    if (!Adopt(betLine = MakeLine(f, {30, 80}, 700, kBetColor))) return false;
    if (!Adopt(stopMark = f.CreateQZAniWnd("Notify\\stopmark.qza", origin))) return false;

    CVPanel::Show(false);
    Enable(true);
    layout = 0;
    SetPos(Notify::kLayoutPosition);
    return true;
}

int CVNotifyWnd::Show(int noticeKind, const Notify::NoticeArgs& args)
{
    if (!Owner()) return 0;
    const std::optional<Notify::NoticeView> view = Notify::DescribeNotice(noticeKind, args, Owner()->GetNotifyRoom());
    if (!view) return 0;
    Close();
    SetLayout(view->layout);
    betLine->SetPos(GetPos() + view->betLinePos);
    for (const Notify::LineText& line : view->lines) SetLineText(line);
    if (view->caption >= 0 && caption->SelectAnimation(view->caption)) playList.push_back(caption);
    SetButtons(view->buttons);
    if (view->stopMark) playList.push_back(stopMark);
    if (view->sideMoneyMark) showList.push_back(sideMoneyMark);
    yesReply = view->yes;
    noReply = view->no;
    Open(noticeKind, view->opensAtOnce);
    return 1;
}

int CVNotifyWnd::ShowChoice(int choiceKind, const std::vector<int32_t>& offered)
{
    if (!Owner() || choiceKind < 0 || choiceKind > 5) return 0;
    Close();
    const std::optional<Notify::ChoiceView> view = Notify::DescribeChoice(choiceKind, offered, Owner()->GetNotifyRoom());
    if (!view) return 1;
    SetLayout(view->layout);
    for (size_t i = 0; i < view->cards.size(); ++i) {
        const Point p = GetPos() + view->cardPos[i];
        if (view->sideMarks) {
            sideMarks[i]->SetPos(p + Point{36, 0});
            showList.push_back(sideMarks[i]);
        }
        PlaceCard(static_cast<int>(i), view->cards[i], p);
    }
    SetButtons(view->buttons);
    yesReply = view->yes;
    noReply = view->no;
    Open(choiceKind, view->opensAtOnce);
    return 1;
}

int CVNotifyWnd::ShowHandMission(int noticeKind, int missionId, int variant, int64_t money)
{
    if (!Owner() || noticeKind != 27) return 0;
    Close();
    const std::optional<Notify::HandMissionView> view = Notify::DescribeHandMission(missionId, variant, money);
    if (!view) return 0;
    for (size_t i = 0; i < view->cards.size(); ++i)
        PlaceCard(static_cast<int>(i), view->cards[i], back->GetPos() + view->cardPos[i]);
    for (const Notify::LineText& line : view->lines) SetLineText(line);
    yesReply = noReply = {};
    Open(noticeKind, false);
    return 1;
}

int CVNotifyWnd::Close()
{
    if (!IsVisible()) return 0;
    if (Owner() && Notify::StopsGoStopSound(kind)) Owner()->StopNotifySound(SoundId::NotifyGoStop);
    for (GVWnd* child : children) child->Show(false);
    for (CVHTWnd* card : cards) {
        card->SetPos(card->GetHome());
        card->Reset();
        card->SetImageFrame(CVHTWnd::kBackFrame);
    }
    stopMark->Stop();
    showList.clear();
    playList.clear();
    yesReply = noReply = {};
    state = State::Closed;
    CVPanel::Show(false);
    Invalidate();
    return 1;
}

void CVNotifyWnd::SetLayout(int index)
{
    if (index < 0 || index >= Notify::kLayouts || index == layout) return;
    layout = index;
    SetPos(Notify::kLayoutPosition);
}

int CVNotifyWnd::Step()
{
    if (state == State::Closed) return 0;
    int changed = 0;
    for (GVQZAniWnd* a : {back, caption, stopMark})
        if (a->IsVisible() && a->Update()) changed = 1;
    if (state == State::Opening && !back->IsPlaying()) {
        state = State::Open;
        OpenStep();
        changed = 1;
    }
    if (changed) Invalidate();
    return changed;
}

int CVNotifyWnd::OnKeyDown(UINT vk, UINT, UINT)
{
    if (!IsVisible()) return 0;
    if (vk == kYesKey && yes->IsVisible() && Notify::IsYesKeyKind(kind)) Answer(yesReply);
    else if (vk == kNoKey && no->IsVisible()) Answer(noReply);
    return 0;
}

int32_t CVNotifyWnd::GetDefaultCard() const
{
    return cards[0] ? cards[0]->GetFace().cardId : kNoCard;
}

CVHTWnd* CVNotifyWnd::GetCardWnd(int i) const
{
    return i >= 0 && i < Notify::kCardWindows ? cards[static_cast<size_t>(i)] : nullptr;
}

GVQZSWnd* CVNotifyWnd::GetSideMark(int i) const
{
    return i >= 0 && i < Notify::kCardWindows ? sideMarks[static_cast<size_t>(i)] : nullptr;
}

GVTextWnd* CVNotifyWnd::GetLine(Notify::Line line) const
{
    switch (line) {
    case Notify::Line::Value: return valueLine;
    case Notify::Line::SecondValue: return secondValueLine;
    case Notify::Line::Upper: return upperLine;
    case Notify::Line::Lower: return lowerLine;
    case Notify::Line::Bet: return betLine;
    case Notify::Line::GoStop: return goStopLine;
    }
    return nullptr;
}

void CVNotifyWnd::OnChildClick(GVWnd& child)
{
    if (!Owner()) return;
    if (&child == yes || &child == no) {
        Answer(&child == yes ? yesReply : noReply);
    } else if (&child == cards[0] || &child == cards[1]) {
        if (kind == 5) Answer({Notify::Request::CardChoice, &child == cards[0] ? 0 : 1, 0});
    } else {
        return;
    }
    Owner()->PlayNotifySound(kClickSound);
    Invalidate();
}

void CVNotifyWnd::SetLineText(const Notify::LineText& line)
{
    GVTextWnd* wnd = GetLine(line.line);
    wnd->SetText(line.text);
    // The go-stop line shows while the prompt opens; the others wait for it to be open.
    if (line.line == Notify::Line::GoStop) wnd->Show(true);
    else showList.push_back(wnd);
}

void CVNotifyWnd::SetButtons(const Notify::Buttons& buttons)
{
    if (!buttons.shown) return;
    // A go count past the button's image sets shows the first set rather than a stale one.
    if (!yes->SetImageSet(buttons.yesSet)) (void)yes->SetImageSet(0);
    if (!no->SetImageSet(buttons.noSet)) (void)no->SetImageSet(0);
    yes->Enable(buttons.enabled);
    no->Enable(buttons.enabled);
    showList.push_back(yes);
    showList.push_back(no);
}

void CVNotifyWnd::PlaceCard(int i, int32_t card, Point p)
{
    CVHTWnd* wnd = cards[static_cast<size_t>(i)];
    wnd->SetPos(p);
    wnd->SetCard(card);
    showList.push_back(wnd);
}

void CVNotifyWnd::Open(int noticeKind, bool atOnce)
{
    kind = noticeKind;
    state = atOnce ? State::Open : State::Opening;
    OpenStep();
    CVPanel::Show(true);
    Invalidate();
}

void CVNotifyWnd::OpenStep()
{
    if (state == State::Opening) {
        (void)back->SelectAnimation(Notify::kOpeningClip);
        back->Play(1, true);
        return;
    }
    (void)back->SelectAnimation(kind);
    back->Play(-1, false);
    for (GVWnd* w : showList) w->Show(true);
    for (GVQZAniWnd* a : playList) a->Play(-1, false);
    if (Owner()) Owner()->PlayNotifySound(Notify::OpenSound(kind));
}

bool CVNotifyWnd::Answer(const Notify::Reply& reply)
{
    if (reply.request == Notify::Request::None || !Owner()) return false;
    Notify::Reply sent = reply;
    if (reply.request == Notify::Request::CardChoice) {
        // Only a window that holds an offered card answers; fewer cards leave the second one empty.
        const CVHTWnd* wnd = GetCardWnd(reply.a);
        if (!wnd || !wnd->IsVisible() || !IsValidCardId(wnd->GetFace().cardId)) return false;
        sent.a = wnd->GetFace().cardId;
    }
    Owner()->SendNotifyReply(sent);
    Owner()->HideNotify();
    return true;
}
