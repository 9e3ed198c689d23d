#include "views/CVResultWnd.h"

#include <new>

#include "foundation/core/Clock.h"
#include "foundation/core/Text.h"
#include "protocol/RoomCodes.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"

using ResultRules::Answer;
using ResultRules::Button;
using ResultRules::Ending;

namespace {

constexpr Point kOkPos{141, 285};
constexpr Point kShadowOffset{0, 323};
constexpr Point kItemOffset{45, 348};
constexpr uint32_t kRevealIntervalMs = 50;
constexpr uint32_t kMultiplierDelayMs = 650;

// Sounds and voice cues of the result.
constexpr SoundId kClick = SoundId::ButtonClick;
constexpr SoundId kWinner = SoundId::ResultWinner;
constexpr SoundId kLoser = SoundId::ResultLoser;
constexpr SoundId kGreatWinner = SoundId::ResultGreatWinner;
constexpr SoundId kGreatLoser = SoundId::ResultGreatLoser;
constexpr SoundId kEventWinner = SoundId::ResultEventWinner;
constexpr SoundId kEventShared = SoundId::ResultEventShared;
constexpr SoundId kEventLoser = SoundId::ResultEventLoser;
constexpr SoundId kFireworks = SoundId::ResultPokjook;
constexpr SoundId kMoneyGlyph = SoundId::ResultMoneyGlyph;
constexpr SoundId kMultiplierShown = SoundId::ResultMultiplier;
constexpr SoundId kChamgiHover = SoundId::ChamgiHover;

constexpr const char* kWonClip = "승리";
constexpr const char* kLostClip = "패배";
constexpr const char* kDrawClip = "무승부";
constexpr const char* kDrawChat = "이번 판은 무승부입니다.`1111`";

struct TextSpec {
    Point p;
    Size size;
    int fontHeight;
    int weight;
    uint32_t color;
    unsigned format;
};
constexpr TextSpec kCaption{{114, 134}, {163, 22}, 14, 700, 0xFFFFFF, DT_CENTER};
constexpr TextSpec kNote{{70, 214}, {248, 12}, 11, 400, 0x996600, DT_CENTER};
constexpr TextSpec kPointsLine{{70, 242}, {248, 18}, 18, 700, 0x0066FF, DT_CENTER};
constexpr TextSpec kPointsTimes{{70, 242}, {125, 18}, 18, 700, 0x0066FF, DT_RIGHT};

GVTextWnd* MakeText(WidgetFactory& f, const TextSpec& s)
{
    GVTextWnd* text = f.CreateTextWnd("", s.p, s.size, s.fontHeight, s.weight, s.color);
    if (!text) return nullptr;
    text->SetTextFormat(s.format);
    text->Show(false);
    return text;
}

// The big multiplier's glyphs overlap by 8 pixels, which the factory's glyph texts do not.
CVQZATextWnd* MakeMultiplierText(WidgetFactory& f, LoadErrorSink& errors)
{
    auto* text = new (std::nothrow) CVQZATextWnd();
    if (!text) {
        errors.AddLoadError({});
        return nullptr;
    }
    if (!text->CreateGlyphs(f, "Result\\multiple.qza", {203, 234}, {110, 34}, 24, 35, -8, GlyphAlign::Center)) {
        delete text;
        return nullptr;
    }
    text->Show(false);
    text->Enable(false);
    return text;
}

bool IsSeat(int seat) { return seat == 0 || seat == 1; }

}  // namespace

void CVResultWnd::Clear()
{
    CVPanel::Clear();
    resultOwner = nullptr;
    shadow = nullptr;
    icons.fill(nullptr);
    back = nullptr;
    caption = note = pointsLine = pointsTimes = nullptr;
    money = multiplierText = nullptr;
    noticeIcon = continueArt = nullptr;
    buttons.fill(nullptr);
    autoStart = nullptr;
    itemWnd = nullptr;
    total = 0;
    multiplier = 1;
    itemShown = waitingTung = revealPending = hoverSound = false;
    moneyRevealed = 0;
}

bool CVResultWnd::CreateChildren(ResultOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    resultOwner = &room;
    const Point origin{0, 0};
    const auto icon = [&](int frame) {
        GVPSPWnd* w = f.CreatePSPWnd("Result\\jokbo_icon.psp", origin, Visible::No);
        if (w) w->SetFrame(frame);
        return Adopt(icons[static_cast<size_t>(frame)] = w);
    };
    const auto button = [&](Button b, const char* file, Point p, int sets) {
        return Adopt(buttons[static_cast<size_t>(b)] = f.CreatePSPPushBtn(file, p, Visible::No, sets));
    };

    if (!Adopt(shadow = f.CreateQZSWnd("Result\\back_shadow.qzs", kShadowOffset, Visible::No))) return false;
    for (int i = 0; i < 4; ++i)
        if (!icon(i)) return false;
    if (!Adopt(back = f.CreateQZAniWnd("Result\\back.qza", origin))) return false;
    for (int i = 4; i < kScoreIcons; ++i)
        if (!icon(i)) return false;
    if (!Adopt(caption = MakeText(f, kCaption))) return false;
    if (!Adopt(money = f.CreateQZATextWnd("Result\\money.qza", {70, 172}, {250, 50}, {19, 38}))) return false;
    if (!Adopt(note = MakeText(f, kNote))) return false;
    if (!Adopt(pointsLine = MakeText(f, kPointsLine))) return false;
    if (!Adopt(pointsTimes = MakeText(f, kPointsTimes))) return false;
    if (!Adopt(multiplierText = MakeMultiplierText(f, room.GetLoadErrorSink()))) return false;
    if (!Adopt(noticeIcon = f.CreatePSPWnd("Result\\notice.psp", origin, Visible::No))) return false;
    if (!button(Button::Ok, "Result\\ok_btn.psp", kOkPos, 1)) return false;
    if (!button(Button::ChamgiOk, "Result\\ok_btn.psp", {80, 285}, 1)) return false;
    if (!button(Button::Chamgi, "Result\\chamgi_btn.psp", {185, 285}, 2)) return false;
    GVQZSWnd* waiting = f.CreateQZSWnd("Result\\chamgi_waiting.qzs", {113, 297}, Visible::No);
    if (!Adopt(buttons[static_cast<size_t>(Button::ChamgiWaiting)] = waiting)) return false;
    if (!button(Button::Tung, "Result\\tung_btn.psp", {185, 285}, 1)) return false;
    if (!button(Button::TournamentOk, "Result\\ok_btn.psp", {139, 285}, 1)) return false;
    if (!button(Button::EventOkRight, "Result\\ok_btn.psp", {223, 285}, 1)) return false;
    if (!Adopt(continueArt = f.CreatePSPWnd("Result\\tm_continue.psp", {66, 293}, Visible::No))) return false;
    if (!button(Button::EventOkLeft, "Result\\ok_btn.psp", {83, 285}, 1)) return false;
    if (!button(Button::Rechallenge, "Result\\rechallenge_btn.psp", {185, 285}, 2)) return false;
    if (!Adopt(autoStart = f.CreatePSPPushBtn("Result\\autostart.psp", {215, 332}, Visible::No, 2))) return false;
    if (!Adopt(itemWnd = room.CreateItemWnd())) return false;
    itemWnd->SetPos(kItemOffset);

    CVPanel::Show(false);
    Enable(true);
    SetPos(kPosition);
    return true;
}

CVPSPPushBtn* CVResultWnd::PushButton(Button b) const
{
    return b == Button::ChamgiWaiting ? nullptr : static_cast<CVPSPPushBtn*>(buttons[static_cast<size_t>(b)]);
}

void CVResultWnd::ShowButton(Button b, bool show)
{
    if (GVWnd* w = buttons[static_cast<size_t>(b)]) w->Show(show);
}

std::array<bool, ResultRules::kButtons> CVResultWnd::VisibleButtons() const
{
    std::array<bool, ResultRules::kButtons> shown{};
    for (size_t i = 0; i < buttons.size(); ++i) shown[i] = buttons[i] && buttons[i]->IsVisible();
    return shown;
}

int CVResultWnd::Reset()
{
    total = 0;
    multiplier = 1;
    SetItemShown(false);
    if (itemWnd) itemWnd->Reset();
    for (GVWnd* child : children) child->Show(false);
    waitingTung = false;
    if (CVPSPPushBtn* tung = PushButton(Button::Tung)) {
        (void)tung->SetImageSet(0);
        tung->UpdateFrame();
    }
    revealPending = false;
    moneyRevealed = 0;
    if (Owner()) {
        if (hoverSound) Owner()->StopResultSound(kChamgiHover);
        Owner()->ShowEventMark(false);
    }
    hoverSound = false;
    CVPanel::Show(false);
    Invalidate();
    return 1;
}

void CVResultWnd::SetItemShown(bool flag)
{
    itemShown = flag;
    // The shadow goes to the same place either way.
    if (shadow) shadow->SetPos(GetPos() + kShadowOffset);
    Invalidate();
}

void CVResultWnd::ShowAutoStartButton(bool show, bool enable)
{
    if (!Owner() || !autoStart) return;
    const ResultOwner::Room room = Owner()->GetResultRoom();
    if (!ResultRules::AutoStartApplies(room.autoStart)) return;
    (void)autoStart->SetImageSet(room.autoStartOn ? 1 : 0);
    autoStart->Enable(enable);
    autoStart->Show(show);
    autoStart->UpdateFrame();
    Invalidate();
}

void CVResultWnd::PlayBack(const char* clip)
{
    (void)back->SelectAnimationByName(clip);
    back->Play(1, true);
}

void CVResultWnd::StartMoney(const std::string& text)
{
    money->SetText(text);
    moneyRevealed = 0;
    money->StartReveal(false, kRevealIntervalMs);
}

void CVResultWnd::ShowCaption(const std::string& text)
{
    caption->SetText(text);
    caption->Show(true);
}

void CVResultWnd::SetNote(const std::string& text)
{
    note->SetText(text);
    note->Show(true);
}

void CVResultWnd::ShowNotice(int frame)
{
    noticeIcon->SetFrame(frame);
    noticeIcon->Show(true);
}

void CVResultWnd::ShowDraw(const ResultOwner::Room& room, int32_t drawCount)
{
    PlayBack(kDrawClip);
    ShowCaption(kDrawClip);
    StartMoney(ResultRules::DrawMoneyText());
    if (const std::string line = ResultRules::DrawLine(drawCount); !line.empty()) {
        pointsLine->SetText(line);
        pointsLine->Show(true);
    }
    const int seat = IsSeat(room.viewer.ownSeat) ? room.viewer.ownSeat : 0;
    if (!room.robotSeat[static_cast<size_t>(seat)]) Owner()->PlayResultVoice(VoiceCue::Draw, seat);
    ShowAutoStartButton(true, room.viewer.seatKeys[0] == room.viewer.ownKey);
    Owner()->PrintResultChat(kDrawChat);
}

bool CVResultWnd::ShowSide(const ResultOwner::Room& room, const ResultRules::Side& side, int64_t change)
{
    const size_t seat = static_cast<size_t>(side.seat);
    PlayBack(side.won ? kWonClip : kLostClip);
    ShowCaption((room.robotSeat[seat] ? std::string("맞고로봇") : room.nicknames[seat]) + "님");
    StartMoney(ResultRules::MoneyGlyphText(change));
    return true;
}

void CVResultWnd::ApplyBreakdown(bool won, const WinInfo& win, const std::vector<BakEntry>& baks, int32_t drawCount,
                                 const ResultOwner::Room& room)
{
    using ScoreDetail::Icon;
    ScoreDetail::Input in;
    in.win = win;
    in.baks = baks;
    in.drawCount = drawCount;
    in.seatOnScreen = room.seatOnScreen;
    in.goIconFrames = GetScoreIcon(Icon::GoCount)->GetFrameCount();
    const ScoreDetail::Breakdown b = ScoreDetail::Build(in);
    total = b.total;
    multiplier = b.multiplier;
    for (size_t i = 0; i < icons.size(); ++i)
        if (b.icons[i]) icons[i]->Show(won);
    if (b.goFrame >= 0) GetScoreIcon(Icon::GoCount)->SetFrame(b.goFrame);
    if (!b.BigMultiplier()) {
        pointsLine->SetText(b.pointsLine);
        pointsLine->Show(true);
    } else {
        pointsTimes->SetText(b.pointsTimesText);
        multiplierText->SetText(b.multiplierGlyphs);
    }
    Owner()->PrintResultChat(b.chatText);
}

void CVResultWnd::PlayEndSounds(bool won, const WinInfo& win)
{
    const bool great = multiplier >= 4;
    if (!won) {
        Owner()->PlayResultSound(great ? kGreatLoser : kLoser);
        return;
    }
    Owner()->PlayResultSound(great ? kGreatWinner : kWinner);
    if (win.goPoints >= 3) {
        Owner()->StartFireworks();
        Owner()->PlayResultSound(kFireworks);
    }
}

void CVResultWnd::ShowSpecialEnding(Ending ending, bool won, int seat, const ResultOwner::Room& room)
{
    const bool robot = room.robotSeat[static_cast<size_t>(seat)];
    switch (ending) {
    case Ending::Chongtong:
        ShowNotice(0);
        if (!robot) Owner()->PlayResultVoice(VoiceCue::Chongtong, seat);
        break;
    case Ending::ThreePpeok:
        ShowNotice(1);
        if (!robot) Owner()->PlayResultVoice(VoiceCue::ThreePpeok, seat);
        break;
    case Ending::Special: ShowNotice(won ? 4 : 5); break;
    case Ending::Normal:
    case Ending::Draw: break;
    }
}

void CVResultWnd::ApplyButtons(const ResultRules::ButtonSet& set)
{
    for (size_t i = 0; i < buttons.size(); ++i) ShowButton(static_cast<Button>(i), set.shown[i]);
    buttons[static_cast<size_t>(Button::Ok)]->SetPos(GetPos() + set.okPos);
    waitingTung = set.waitingTung;
    if (set.Shows(Button::Chamgi)) {
        CVPSPPushBtn* chamgi = PushButton(Button::Chamgi);
        (void)chamgi->SetImageSet(set.chamgiImageSet);
        chamgi->UpdateFrame();
    }
}

void CVResultWnd::Open()
{
    shadow->Show(true);
    CVPanel::Show(true);
    Invalidate();
}

void CVResultWnd::SetRoundResult(const RoundResult& body)
{
    if (!Owner()) return;
    Reset();
    // The kind and the winner decide whether anything shows, before anything does.
    const std::optional<Ending> ending = ResultRules::RoundEnding(body.resultKind);
    if (!ending) return;
    const ResultOwner::Room room = Owner()->GetResultRoom();
    const int32_t winnerKey = static_cast<int32_t>(body.winnerKey);
    if (*ending == Ending::Draw) {
        ShowDraw(room, body.drawCount);
    } else {
        const std::optional<ResultRules::Side> side =
            ResultRules::ViewedSide(winnerKey, body.winInfo.winnerSeat, room.viewer);
        if (!side) return;
        ShowSide(room, *side, body.moneyChange[static_cast<size_t>(side->seat)]);
        SetNote(ResultRules::NoteText(room.robotSeated, side->won, body.eventFundShare));
        if (side->won && !room.robotSeated && body.eventMark && room.eventRoomInPlay) Owner()->ShowEventMark(true);
        if (*ending == Ending::Normal) {
            Owner()->PrintResultChat(caption->GetText() + (side->won ? " 승리!!" : " 패배!!") + "`1111`");
            ApplyBreakdown(side->won, body.winInfo, body.bakList, body.drawCount, room);
        } else {
            ShowSpecialEnding(*ending, side->won, side->seat, room);
        }
        PlayEndSounds(side->won, body.winInfo);
        ShowAutoStartButton(true, side->won);
    }
    ResultRules::RoundOffer offer;
    offer.seated = IsSeat(room.viewer.ownSeat);
    offer.ownWon = room.viewer.ownKey == winnerKey;
    offer.tung = body.tungOffered != 0;
    offer.chamgi = body.chamgiOffered != 0;
    offer.chamgiImageSet = body.chamgiImageSet;
    ApplyButtons(ResultRules::RoundButtons(offer));
    Open();
}

void CVResultWnd::SetTournamentResult(const TournamentRoundResult& body)
{
    if (!Owner()) return;
    Reset();
    const std::optional<Ending> ending = ResultRules::TournamentEnding(body.resultKind);
    if (!ending) return;
    const ResultOwner::Room room = Owner()->GetResultRoom();
    if (*ending == Ending::Draw) {
        ShowDraw(room, body.drawCount);
    } else {
        const std::optional<ResultRules::Side> side =
            ResultRules::ViewedSide(static_cast<int32_t>(body.winnerKey), body.winInfo.winnerSeat, room.viewer);
        if (!side) return;
        ShowSide(room, *side, body.moneyChange[static_cast<size_t>(side->seat)]);
        if (*ending == Ending::Normal) {
            Owner()->PrintResultChat(caption->GetText() + (side->won ? " 승리!!" : " 패배!!") + "`1111`");
            ApplyBreakdown(side->won, body.winInfo, body.bakList, body.drawCount, room);
        } else {
            if (*ending == Ending::Special) StartMoney("0-0");
            ShowSpecialEnding(*ending, side->won, side->seat, room);
        }
        PlayEndSounds(side->won, body.winInfo);
    }
    ShowButton(Button::TournamentOk, true);
    Open();
}

void CVResultWnd::SetEventResult(const EventRoundResult& body)
{
    if (!Owner()) return;
    Reset();
    const ResultOwner::Room room = Owner()->GetResultRoom();
    const ResultRules::Viewer& v = room.viewer;
    const int viewedSeat = IsSeat(v.ownSeat) ? v.ownSeat : 0;
    if (body.resultKind == 10) {
        PlayBack(kWonClip);
        const size_t seat = static_cast<size_t>(viewedSeat);
        ShowCaption(room.nicknames[seat] + "님");
        StartMoney(ResultRules::MoneyGlyphText(ResultRules::HalfOfShare(body.moneyChange[seat])));
        SetNote(FormatText("(이벤트 기금 적립: %d%%)", 10));
        ShowNotice(6);
        ShowButton(Button::EventOkLeft, true);
        if (room.roomKind == kSevenWinFinalRoomKind || room.roomKind == kThreeWinFinalRoomKind) {
            CVPSPPushBtn* again = PushButton(Button::Rechallenge);
            (void)again->SetImageSet(room.roomKind == kSevenWinFinalRoomKind ? 0 : 1);
            again->UpdateFrame();
            again->Show(true);
        }
        Owner()->PlayResultSound(kEventShared);
        Owner()->StartFireworks();
        Owner()->PlayResultSound(kFireworks);
        Open();
        return;
    }
    // The message names only the winner: the loser is the other seat.
    const int32_t winnerKey = static_cast<int32_t>(body.winnerKey);
    const int winner = v.seatKeys[0] == winnerKey ? 0 : v.seatKeys[1] == winnerKey ? 1 : -1;
    const std::optional<ResultRules::Side> side = ResultRules::ViewedSide(winnerKey, winner, v);
    if (!side) return;
    ShowSide(room, *side, body.moneyChange[static_cast<size_t>(side->seat)]);
    ShowNotice(side->won ? 6 : 7);
    Owner()->PlayResultSound(side->won ? kEventWinner : kEventLoser);
    if (IsSeat(v.ownSeat)) {
        continueArt->SetFrame(side->won ? 1 : 0);
        continueArt->Show(true);
    }
    ShowButton(Button::EventOkRight, true);
    Open();
}

void CVResultWnd::SetResultStep(int32_t step, int32_t seat, int32_t value)
{
    if (!Owner()) return;
    if (step != 0 && (value == 1 || value == 2)) {
        ShowNotice(value == 1 ? 2 : 3);
        if (IsSeat(seat)) Owner()->PlayResultVoice(value == 1 ? VoiceCue::FirstChamgi : VoiceCue::SecondChamgi, seat);
        PlayBack(kDrawClip);
        ShowCaption(kDrawClip);
        StartMoney(ResultRules::DrawMoneyText());
        note->SetText("");
        for (GVPSPWnd* icon : icons) icon->Show(false);
    }
    for (Button b : {Button::ChamgiOk, Button::Chamgi, Button::ChamgiWaiting}) ShowButton(b, false);
    Owner()->StopResultSound(kChamgiHover);
    hoverSound = false;
    ShowButton(Button::Ok, true);
    if (waitingTung) {
        buttons[static_cast<size_t>(Button::Ok)]->SetPos(GetPos() + Point{85, 285});
        ShowButton(Button::Tung, true);
    }
    Invalidate();
}

int CVResultWnd::StepMoney()
{
    const int r = money->Step();
    if (r == 2) {
        ++moneyRevealed;
        if (Owner()) Owner()->PlayResultSound(kMoneyGlyph);
    }
    return r != 0;
}

int CVResultWnd::Step()
{
    int changed = CVPanel::Step();
    if (money->IsVisible() && StepMoney()) changed = 1;
    const uint32_t now = Clock::NowMs();
    if (!revealPending && multiplier >= 4 && !multiplierText->IsVisible() && money->IsVisible() &&
        moneyRevealed >= money->GetGlyphCount()) {
        bool playing = false;
        for (int i = 0; i < money->GetGlyphCount(); ++i)
            if (money->GetGlyph(i)->IsPlaying()) playing = true;
        if (!playing) {
            revealPending = true;
            revealStamp = now;
        }
    }
    if (revealPending && now - revealStamp > kMultiplierDelayMs) {
        pointsTimes->Show(true);
        multiplierText->StartReveal(true, kRevealIntervalMs);
        if (Owner()) Owner()->PlayResultSound(kMultiplierShown);
        revealPending = false;
        changed = 1;
    }
    if (multiplierText->IsVisible() && multiplierText->Step()) changed = 1;
    if (changed) Invalidate();
    return changed;
}

int CVResultWnd::OnKeyDown(UINT vk, UINT, UINT)
{
    if (!IsVisible()) return 0;
    using ResultRules::HotKey;
    const HotKey key = vk == VK_SPACE ? HotKey::Space : vk == VK_F1 ? HotKey::F1 : vk == VK_F2 ? HotKey::F2 : HotKey::Other;
    SendAnswer(ResultRules::AnswerOfKey(key, VisibleButtons()));
    return 0;
}

void CVResultWnd::SendAnswer(ResultRules::Answer answer)
{
    if (answer == Answer::None || !Owner()) return;
    Owner()->SendResultAnswer(answer);
    if (ResultRules::ClosesResult(answer)) Owner()->HideRoundResult();
}

int CVResultWnd::OnLButtonUp(UINT flags, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    CVPanel::OnLButtonUp(flags, p);
    return 1;
}

int CVResultWnd::OnMouseMove(UINT flags, Point p)
{
    const int taken = CVPanel::OnMouseMove(flags, p);
    if (!Owner()) return taken;
    const GVWnd* chamgi = buttons[static_cast<size_t>(Button::Chamgi)];
    const bool over = IsVisible() && chamgi && ChildFromPoint(p, kHitVisibleEnabled) == chamgi;
    if (over && !hoverSound) Owner()->PlayResultSound(kChamgiHover);
    else if (!over && hoverSound) Owner()->StopResultSound(kChamgiHover);
    hoverSound = over;
    return taken;
}

void CVResultWnd::OnChildClick(GVWnd& child)
{
    if (!Owner()) return;
    if (&child == autoStart) {
        (void)autoStart->SetImageSet(Owner()->ToggleAutoStart() ? 1 : 0);
        autoStart->UpdateFrame();
        return;
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] != &child) continue;
        const ResultRules::Answer answer = ResultRules::AnswerOfButton(static_cast<Button>(i));
        if (answer == Answer::None) return;
        SendAnswer(answer);
        Owner()->PlayResultSound(kClick);
        return;
    }
}
