#include "views/CVDesperateResultWnd.h"

#include <string>

#include "foundation/core/Clock.h"

#include "foundation/core/Text.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"
#include "views/core/ScoreDetail.h"
#include "views/core/TargetScoreRules.h"

namespace {

// The places the panel's design leaves open, in window coordinates like the ones it gives (the
// OK button's, the marker's and the shadow's); At turns them into panel coordinates.
constexpr Point At(Point window)
{
    return window - CVDesperateResultWnd::kOrigin;
}

constexpr Point kBackPoint = CVDesperateResultWnd::kOrigin;  // the back fills the panel
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
constexpr Point kLostMarkerPoint{381, 263};
constexpr Point kFinalOkLostPoint{389, 327};
constexpr Point kScoreLinePoint[2] = {{200, 240}, {360, 240}};  // by the won flag
constexpr const char* kRobotName = "맞고로봇";
constexpr int kEventFundPercent = 9;
constexpr uint32_t kGlyphMs = 50;

// Sound ids of the result.
constexpr SoundId kClickSound = SoundId::ButtonClick;
constexpr SoundId kWonSound = SoundId::ResultWinner;
constexpr SoundId kLostSound = SoundId::ResultLoser;
constexpr SoundId kFinalWonSound = SoundId::TargetScoreWin;
constexpr SoundId kFinalLostSound = SoundId::TargetScoreLose;
constexpr SoundId kDrawSound = SoundId::TargetScoreDraw;
constexpr SoundId kGameOverSound = SoundId::ScoreOk;

enum ResultKind : uint32_t { kOrdinary = 0, kForfeit = 3, kOwnForfeit = 4, kEndSix = 6, kEndSeven = 7, kEndNine = 9 };

}  // namespace

bool CVDesperateResultWnd::CreateChildren(ResultOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    resultOwner = &room;
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
    resultOwner = nullptr;
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
    won = gameOver = false;
    stage = Stage::Single;
    countStart = 0;
    if (back) back->Stop();
    if (scoreAnimation) scoreAnimation->Stop();
    if (shadow) shadow->SetPos(GetPos() + At(kShadowPoint));
    if (itemWnd) itemWnd->Reset();
    for (GVWnd* child : Children()) child->Show(false);
    Show(false);
    Invalidate();
    return 1;
}

void CVDesperateResultWnd::SetItemShown(bool shown)
{
    itemShown = shown;
    if (shadow) shadow->SetPos(GetPos() + At(kShadowPoint));
}

std::string CVDesperateResultWnd::SeatName(const ResultOwner::Room& room, int seat) const
{
    if (seat != 0 && seat != 1) return {};
    const auto i = static_cast<size_t>(seat);
    return room.robotSeat[i] ? std::string(kRobotName) : room.nicknames[i];
}

void CVDesperateResultWnd::PlaySound(SoundId id)
{
    if (resultOwner) resultOwner->PlayResultSound(id);
}

void CVDesperateResultWnd::SetResult(const DesperateRoundResult& body)
{
    Reset();
    if (!resultOwner || !back) return;
    const ResultOwner::Room room = resultOwner->GetResultRoom();
    const auto viewed = TargetScoreRules::ViewedSeat(body.resultKind, body.winInfo.winnerSeat, room.viewer.ownSeat);
    if (!viewed) return;
    won = viewed->won;
    gameOver = body.gameOver != 0;
    stage = gameOver ? Stage::Counting : Stage::Single;
    ShowChallenges(body, viewed->seat, room);

    const std::string name = SeatName(room, viewed->seat);
    title->SetText(name + "님");
    title->Show(true);
    const int64_t change = body.roundMoney[static_cast<size_t>(viewed->seat)];
    std::string money;
    MoneyToUnitText(money, change, 2);
    moneyText->SetText(change > 0 ? "+" + money : money);
    if (body.resultKind == TargetScoreRules::kDrawResult) {
        back->SelectAnimation(2);
        back->Play(1, true);
        const std::string next = TargetScoreRules::NextRoundText(body.drawCount);
        // The text is shared with the score line of a won or lost round, which moves it.
        nextRoundText->SetPos(GetPos() + At(kNextRoundPoint));
        nextRoundText->SetText(next);
        nextRoundText->Show(!next.empty());
        drawCaption->SetText("무승부");
        drawCaption->Show(true);
        moneyText->SetText("0냥");
        PlaySound(kDrawSound);
        if (room.viewer.ownSeat >= 0 && !room.robotSeated) resultOwner->PlayResultVoice(VoiceCue::Draw, room.viewer.ownSeat);
        resultOwner->PrintResultChat("이번 판은 무승부입니다.`1111`");
    } else {
        ShowOutcome(body, room, name);
    }
    moneyText->StartReveal(false, kGlyphMs);
    ShowNames(room, viewed->seat);
    if (gameOver) {
        marker->Show(false);
        PlaySound(kGameOverSound);
        countStart = Clock::NowMs();
    }
    CVPSPPushBtn* ok = buttons[static_cast<size_t>(Button::Ok)];
    ok->SetPos(GetPos() + At(kOkPoint));
    ok->Show(true);
    ok->Enable(true);
    shadow->Show(true);
    Show(true);
    Invalidate();
}

void CVDesperateResultWnd::ShowChallenges(const DesperateRoundResult& body, int viewed, const ResultOwner::Room& room)
{
    if (!gameOver || won || body.resultKind == TargetScoreRules::kDrawResult) return;
    const ResultOwner::TargetScoreRoom ts = resultOwner->GetTargetScoreRoom();
    const int winner = body.winInfo.winnerSeat == 0 || body.winInfo.winnerSeat == 1 ? body.winInfo.winnerSeat : 1 - viewed;
    TargetScoreRules::ChallengeInput in;
    in.bet = ts.bet;
    // The seat's money is settled already by the round result: counted once.
    in.ownMoney = ts.seatMoney[static_cast<size_t>(viewed)];
    in.opponentMoney = ts.seatMoney[static_cast<size_t>(winner)];
    in.otherRule = ts.otherChallengeRule;
    in.forfeit = body.resultKind == kForfeit;
    in.ownSeated = room.viewer.ownSeat >= 0;
    const std::array<bool, 3> on = TargetScoreRules::Challenges(in);
    for (size_t i = 0; i < challengeButtons.size(); ++i) challengeButtons[i]->Enable(on[i]);
}

void CVDesperateResultWnd::ShowOutcome(const DesperateRoundResult& body, const ResultOwner::Room& room,
                                       const std::string& name)
{
    back->SelectAnimation(won ? 0 : 1);
    back->Play(1, true);
    sides[0]->SetFrame(won ? 4 : 5);
    sides[1]->SetFrame(won ? 5 : 4);
    sides[0]->Show(true);
    sides[1]->Show(true);
    marker->SetPos(GetPos() + At(won ? kMarkerPoint : kLostMarkerPoint));
    marker->SetFrame((won ? 0 : 1) + (gameOver ? 2 : 0));
    marker->Show(true);
    if (gameOver) {
        scoreAnimation->SelectAnimation(won ? 0 : 1);
        scoreAnimation->Play(1, true);
    }
    switch (body.resultKind) {
    case kOrdinary: {
        resultOwner->PrintResultChat(name + (won ? " 승리!!" : " 패배!!") + "`1111`");
        ScoreDetail::Input in;
        in.win = body.winInfo;
        in.baks = body.bakList;
        in.chamgiExponent = body.chamgiExponent;
        in.seatOnScreen = room.seatOnScreen;
        const ScoreDetail::Breakdown b = ScoreDetail::Build(in);
        const int64_t grand = std::min<int64_t>(int64_t{b.total} * b.multiplier, INT32_MAX);
        if (!gameOver) {
            nextRoundText->SetPos(GetPos() + At(kScoreLinePoint[won ? 0 : 1]));
            nextRoundText->SetText(FormatText("+%d점", static_cast<int>(grand)));
            nextRoundText->Show(true);
        }
        resultOwner->PrintResultChat(b.chatText);
        break;
    }
    case kForfeit:
    case kOwnForfeit:
        resultOwner->PrintResultChat(name + (won ? " 기권승!!" : " 기권패!!") + "`1111`");
        notice->Show(true);
        break;
    case kEndSix:
    case kEndNine:
        notice->SetFrame(0);
        notice->Show(true);
        break;
    case kEndSeven:
        notice->SetFrame(1);
        notice->Show(true);
        break;
    default: break;
    }
    PlaySound(won ? kWonSound : kLostSound);
}

void CVDesperateResultWnd::ShowNames(const ResultOwner::Room& room, int viewed)
{
    const ResultOwner::TargetScoreRoom ts = resultOwner->GetTargetScoreRoom();
    const bool seated = room.viewer.ownSeat >= 0;
    const int first = seated ? room.viewer.ownSeat : 0;
    const int second = seated ? 1 - room.viewer.ownSeat : 1;
    static_cast<void>(viewed);
    const int order[2] = {first, second};
    for (size_t i = 0; i < 2; ++i) {
        names[i]->SetText(SeatName(room, order[i]));
        names[i]->Show(true);
        scoreTexts[i]->SetText(FormatText("%d점", ts.points[static_cast<size_t>(order[i])]));
        scoreTexts[i]->StartReveal(false, kGlyphMs);
    }
}

int CVDesperateResultWnd::Step()
{
    if (!IsVisible()) return 0;
    int changed = CVPanel::Step();
    for (CVQZATextWnd* text : {moneyText, scoreTexts[0], scoreTexts[1]})
        if (text && text->Step()) changed = 1;
    if (stage == Stage::Counting && Clock::NowMs() - countStart >= kCountMs) {
        ShowFinalStage();
        changed = 1;
    }
    if (changed) Invalidate();
    return changed;
}

void CVDesperateResultWnd::ShowFinalStage()
{
    stage = Stage::Final;
    for (GVWnd* w : {static_cast<GVWnd*>(back), static_cast<GVWnd*>(title), static_cast<GVWnd*>(names[0]),
                     static_cast<GVWnd*>(names[1]), static_cast<GVWnd*>(scoreTexts[0]),
                     static_cast<GVWnd*>(scoreTexts[1]), static_cast<GVWnd*>(sides[0]), static_cast<GVWnd*>(sides[1]),
                     static_cast<GVWnd*>(marker), static_cast<GVWnd*>(notice), static_cast<GVWnd*>(scoreAnimation)})
        w->Show(false);
    back->SelectAnimation(3);
    finalResult->SetFrame(won ? 0 : 1);
    if (won) {
        PlaySound(kFinalWonSound);
    } else {
        challengeBack->Show(true);
        for (CVPSPPushBtn* b : challengeButtons) b->Show(true);
        PlaySound(kFinalLostSound);
    }
    moneyText->StartReveal(false, kGlyphMs);
    back->Play(1, true);
    finalResult->Show(true);
    CVPSPPushBtn* ok = buttons[static_cast<size_t>(Button::Ok)];
    ok->SetPos(GetPos() + At(won ? kOkPoint : kFinalOkLostPoint));
    ok->Show(true);
    eventFundText->SetText(FormatText("(이벤트 기금 적립: %d%%)", kEventFundPercent));
    eventFundText->Show(true);
    Show(true);
    Invalidate();
}

void CVDesperateResultWnd::SendAnswer(ResultRules::Answer answer)
{
    if (!resultOwner) return;
    resultOwner->SendResultAnswer(answer);
    // Closing resets this panel: nothing of it may be touched after.
    if (ResultRules::ClosesResult(answer)) resultOwner->HideRoundResult();
}

int CVDesperateResultWnd::OnKeyDown(UINT key, UINT, UINT)
{
    using ResultRules::Answer;
    if (!IsVisible()) return 0;
    constexpr UINT kSpace = 32, kF1 = 112, kF2 = 113;
    const CVPSPPushBtn* ok = buttons[static_cast<size_t>(Button::Ok)];
    const CVPSPPushBtn* chamgiOk = buttons[static_cast<size_t>(Button::ChamgiOk)];
    const CVPSPPushBtn* chamgi = buttons[static_cast<size_t>(Button::Chamgi)];
    if (key == kF2) {
        if (chamgi->IsVisible()) SendAnswer(Answer::Chamgi);
        return 0;
    }
    if (key != kSpace && key != kF1) return 0;
    if (stage == Stage::Counting) {
        ShowFinalStage();
        return 0;
    }
    if (ok->IsVisible()) SendAnswer(Answer::ResultOk);
    else if (chamgiOk->IsVisible()) SendAnswer(Answer::ChamgiOk);
    return 0;
}

void CVDesperateResultWnd::OnChildClick(GVWnd& child)
{
    using ResultRules::Answer;
    if (&child == buttons[static_cast<size_t>(Button::Ok)]) {
        if (stage == Stage::Counting) {
            ShowFinalStage();
            return;
        }
        PlaySound(kClickSound);
        SendAnswer(Answer::ResultOk);
        return;
    }
    if (&child == buttons[static_cast<size_t>(Button::ChamgiOk)]) {
        PlaySound(kClickSound);
        SendAnswer(Answer::ChamgiOk);
        return;
    }
    if (&child == buttons[static_cast<size_t>(Button::Chamgi)]) {
        PlaySound(kClickSound);
        SendAnswer(Answer::Chamgi);
        return;
    }
    for (size_t i = 0; i < challengeButtons.size(); ++i) {
        if (&child != challengeButtons[i]) continue;
        PlaySound(kClickSound);
        if (resultOwner) resultOwner->SendChallenge(static_cast<int>(i) + 1);
        return;
    }
}
