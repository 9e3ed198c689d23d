#include "table/flows/ResultFlow.h"

#include "foundation/Debug.h"
#include "protocol/CHostProxy.h"
#include "protocol/HostInterfaces.h"
#include "table/TableEngine.h"
#include "table/core/ResultHandlerRules.h"
#include "table/core/TableLayout.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

using SoundTables::SoundId;
namespace Rules = ResultHandlerRules;

constexpr uint32_t kLastResultKind = 10;
// The room kind without a start animation, whose rounds count no VIP progress.
constexpr int32_t kNoStartAnimationRoom = 60;
constexpr int kRobotWonFace = 1;
constexpr int kRobotLostFace = 2;
constexpr int kRobotNeutralFace = 6;
// The robot seat's avatar point: where the room shows the robot's face.
constexpr uint32_t kWarningColour = 0x0000FF;
// The host resolves the link to its extra-money page; the module names the page only.
constexpr char kCapNoticeLinkTarget[] = "money_cap";

void EnableAutoPlayButton(CVPSPPushBtn* button, bool enable)
{
    if (button) button->Enable(enable);
}

}  // namespace

void ResultFlow::OpenResultPhase(AutoPlay autoPlay)
{
    room.roomState = static_cast<int32_t>(RoomState::RoundOver);
    stage.StopLoopSounds();
    stage.StopBlinkTimer();
    stage.HideNotify();
    if (autoPlay == AutoPlay::Off) stage.SetAutoPlay(false);
    stage.Vip().UpdateJokboIcons(-1, false);
    stage.StopTurnMarker();
    stage.RestartCountdown();
    tableState.dealing = false;
    // The round is over: card play waits for the next deal or snapshot.
    tableState.active = false;
}

void ResultFlow::CopyOwnMoney(const PlayerInfo& seat)
{
    ownUser.gameMoney = seat.gameMoney;
    ownUser.startMoney = seat.startMoney;
    ownUser.safeMoney = seat.safeMoney;
    ownUser.secondMoney = seat.secondMoney;
    ownUser.extraMoney = seat.extraMoney;
    ownUser.memberClub = seat.memberClub;
    ownUser.memberGold = seat.memberGold;
    ownUser.memberRoyal = seat.memberRoyal;
    ownUser.memberLower1 = seat.memberLower1;
    ownUser.memberLower2 = seat.memberLower2;
}

void ResultFlow::ApplyPlayCount(const PlayerInfo& seat)
{
    ownUser.dailyPlayCount = seat.dailyPlayCount;
    ownUser.playLimitClass = seat.playLimitClass;
    ownUser.freePlayValue = seat.freePlayValue;
    flows.periphery.ShowPlayCount(true);
}

void ResultFlow::ShowRobotResultFace(int winnerSeat)
{
    if (!records.HasRobotSeat()) return;
    stage.ShowRobotAvatar(RoomRecords::IsSeat(winnerSeat) && records.IsRobotSeat(winnerSeat) ? kRobotWonFace : kRobotLostFace, kRobotAvatarPoint);
}

void ResultFlow::PlayGoBak(const std::vector<BakEntry>& baks, int winnerSeat)
{
    GVQZAniWnd* animation = effects.goBakAnimation;
    if (!animation) return;
    std::array<int, 2> slots{};
    std::array<bool, 2> seated{};
    for (int s = 0; s < 2; ++s) {
        slots[static_cast<size_t>(s)] = records.GetPlayer(s).screenSlot;
        seated[static_cast<size_t>(s)] = records.GetPlayer(s).userKey != -1;
    }
    const auto slot = Rules::GoBakScreenSlot(baks, winnerSeat, slots, seated);
    if (!slot) return;
    animation->SelectAnimation(*slot);
    animation->Show(true);
    animation->Play(-1, false);
    stage.PlaySoundId(SoundId::NotifyGoBak);
    stage.InvalidateWnd(animation);
}

void ResultFlow::OnRoundResult(const RoundResult& body)
{
    const int own = records.FindSeatByKey(ownUser.userKey);
    if (own >= 0 && controls.autoPlay) EnableAutoPlayButton(roomButtons.autoPlaySetting, false);
    stage.StartPhaseTimer(DecisionKind::ResultItem);
    OpenResultPhase();
    stage.RevealRemainingCards(body.remainingDeck, body.remainingHands);

    bool assaRose = false;
    for (int s = 0; s < 2; ++s) {
        const size_t i = static_cast<size_t>(s);
        PlayerInfo& p = records.GetPlayer(s);
        if (body.chamgiOffered == 0) {
            p.gameMoney = body.money[i];
            p.secondMoney = body.secondMoney[i];
        }
        Rules::ZeroMoneyAtFloor(p, body.moneyFloor);
        flows.entry.RefreshSeatInfo(s);
        engine.LayoutCapturedPile(s, 3);
        p.playLimitClass = static_cast<int32_t>(body.playLimitClass[i]);
        p.dailyPlayCount = static_cast<int32_t>(body.dailyPlayCount[i]);
        p.freePlayValue = body.freePlayValue[i];
        records.RoundUser(s).roundValue = body.roundValue[i];
        if (s != own) continue;
        CopyOwnMoney(p);
        flows.periphery.ShowRankingPoints(s, static_cast<int32_t>(body.rankingPoints[i]));
        ApplyPlayCount(p);
        if (body.assaValue[i] > p.assaValue) {
            p.assaValue = ownUser.assaValue = body.assaValue[i];
            assaRose = true;
        }
        if (!records.HasRobotSeat() && room.roomKind != kNoStartAnimationRoom) stage.Vip().PrintProgressNotice(body.moneyChange[i]);
    }
    stage.ReportSeatMoney();
    if (own < 0) Rules::ZeroMoneyAtFloor(ownUser, body.moneyFloor);
    if (records.IsAntiLeaveRoom() && entryState.antiLeaveCount > 0) flows.periphery.UpdateRestrict(true, true);
    stage.LeaveNoticeToHost(LeaveNoticeCode::RoundOver);
    stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);

    const int winner = records.FindSeatByKey(static_cast<int32_t>(body.winnerKey));
    if (body.resultKind <= kLastResultKind) {
        stage.ShowRoundResult(body);
        stage.SetDirty();
        PlayGoBak(body.bakList, winner);
        ShowRobotResultFace(winner);
    } else {
        stage.PlaySoundId(SoundId::ResultWinner);
    }
    ReserveResultItems(own, assaRose);
    stage.SetDirty();
}

void ResultFlow::ReserveResultItems(int own, bool assaRose)
{
    if (own < 0 || records.HasRobotSeat() || room.roomKind == 60) return;
    const PlayerInfo& p = records.GetPlayer(own);
    const int grade = ResultHandlerRules::MembershipGrade(p);
    Rules::SupermanInputs in;
    in.ownSeated = true;
    in.roomKind = room.roomKind;
    in.alreadyReserved = entryState.itemReserved;
    in.antiLeaveRunning = records.IsAntiLeaveRoom() && entryState.antiLeaveCount > 0;
    in.money = p.gameMoney;
    in.referenceMoney = p.startMoney;
    const bool superman = Rules::ShouldReserveSuperman(in);
    if (superman) entryState.itemReserved = true;
    flows.periphery.ReserveItems(own, superman, assaRose, grade);
}

void ResultFlow::OnEventRoundResult(const EventRoundResult& body)
{
    OpenResultPhase();
    const int own = records.FindSeatByKey(ownUser.userKey);
    for (int s = 0; s < 2; ++s) {
        const size_t i = static_cast<size_t>(s);
        PlayerInfo& p = records.GetPlayer(s);
        p.tournamentMoney = body.tournamentMoney[i];
        flows.entry.RefreshSeatInfo(s);
        engine.LayoutCapturedPile(s, 3);
        p.playLimitClass = static_cast<int32_t>(body.playLimitClass[i]);
        p.dailyPlayCount = static_cast<int32_t>(body.dailyPlayCount[i]);
        p.freePlayValue = body.freePlayValue[i];
        if (s == own) {
            ownUser.tournamentMoney = p.tournamentMoney;
            ApplyPlayCount(p);
        }
    }
    // As with the round result: the host hears the result, then that the room may be left.
    stage.LeaveNoticeToHost(LeaveNoticeCode::RoundOver);
    stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
    stage.ShowEventResult(body);
    stage.SetDirty();
    ShowRobotResultFace(records.FindSeatByKey(static_cast<int32_t>(body.winnerKey)));
    stage.PlaySoundId(SoundId::ResultWinner);
    stage.SetDirty();
}

void ResultFlow::OnDesperateRoundResult(const DesperateRoundResult& body)
{
    flows.missions.StopTargetScoreEffects();
    records.desperateRoundFinished = true;
    const int own = records.FindSeatByKey(ownUser.userKey);
    if (own >= 0 && controls.autoPlay) EnableAutoPlayButton(roomButtons.autoPlaySetting, false);
    stage.StartPhaseTimer(DecisionKind::ResultItem);
    OpenResultPhase();
    stage.RevealRemainingCards(body.remainingDeck, body.remainingHands);
    bool assaRose = false;
    for (int s = 0; s < 2; ++s) {
        const size_t i = static_cast<size_t>(s);
        PlayerInfo& p = records.GetPlayer(s);
        p.gameMoney = body.money[i];
        Rules::ZeroMoneyAtFloor(p, body.moneyFloor);
        flows.entry.RefreshSeatInfo(s);
        engine.LayoutCapturedPile(s, 3);
        p.freePlayValue = body.freePlayValue[i];
        records.RoundUser(s).roundValue = body.roundValue[i];
        if (s != own) continue;
        CopyOwnMoney(p);
        flows.periphery.ShowRankingPoints(s, static_cast<int32_t>(body.rankingPoints[i]));
        if (body.assaValue[i] > p.assaValue) {
            p.assaValue = ownUser.assaValue = body.assaValue[i];
            assaRose = true;
        }
        if (!records.HasRobotSeat() && room.roomKind != kNoStartAnimationRoom) stage.Vip().PrintProgressNotice(body.roundMoney[i]);
    }
    if (!records.HasRobotSeat()) {
        stage.UpdateExitButtons(1);
        stage.UpdatePlayObserveButtons(1);
    }
    stage.ReportSeatMoney();
    if (own < 0) Rules::ZeroMoneyAtFloor(ownUser, body.moneyFloor);
    stage.LeaveNoticeToHost(LeaveNoticeCode::RoundOver);
    stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
    flows.missions.AddTargetScorePoints(body);
    stage.ShowDesperateResult(body);
    ShowRobotResultFace(records.FindSeatByKey(static_cast<int32_t>(body.winnerKey)));
    ReserveResultItems(own, assaRose);
    stage.PlaySoundId(SoundId::ResultWinner);
    stage.SetDirty();
}

void ResultFlow::OnGameEnd(const GameEnd& body)
{
    const int ownBefore = records.FindSeatByKey(ownUser.userKey);
    if (ownBefore >= 0) EnableAutoPlayButton(roomButtons.autoPlaySetting, true);
    room.roomState = static_cast<int32_t>(RoomState::Waiting);
    room.roomValue = 0;
    tableState.active = false;
    flows.missions.UpdateGiveUpButton();
    stage.PlaySoundId(SoundId::GameClear);
    stage.ClearTable();
    UpdateAntiLeaveAtGameEnd(body.antiLeaveCount);
    entryState.entryValue = body.entryValue;
    SettleGameEndSeats(body);
    for (int seat = 0; seat < 2; ++seat)
        stage.Promotions().ShowJackpotResult(body.jackpot, records.GetPlayer(seat).userKey, seat);
    if (ownBefore >= 0) {
        if (const auto hours = Rules::HoursCrossed(body.jackpot.playMinutesBefore, body.jackpot.playMinutesAfter))
            stage.PrintChatText(Rules::PlayTimeLine(*hours));
    }
    flows.entry.RefreshBothSeats();
    stage.ReportSeatMoney();
    flows.missions.OnGameEndTargetScore();
    // A watcher's seats change screen slots when they rotate: their avatars move with them.
    auto avatars = EntryFlow::Avatar::Keep;
    if (body.firstKey != 0 && body.firstKey != -1) {
        if (records.GetPlayer(0).userKey != body.firstKey) stage.ShowUserPopupMenu(false, -1, {0, 0});
        if (room.seats.RotatePlayers(body.firstKey)) {
            if (ownBefore < 0) avatars = EntryFlow::Avatar::Fetch;
            room.seats.AssignScreenSlots(ownUser.userKey);
            flows.entry.ShowSeatMarks();
            if (!records.IsUserSeated()) flows.missions.SwapTargetScoreSides();
        }
    }
    flows.entry.RefreshBothSeats(avatars);
    stage.ShowRobotAvatar(kRobotNeutralFace, kRobotAvatarPoint);
    stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
    for (const std::string& line : Rules::LeaveLines(body.leaveList, {records.GetPlayer(0).userKey, records.GetPlayer(1).userKey}))
        stage.PrintChatText(line);
    if (body.firstKey == 0) {
        stage.PlaySoundId(SoundId::BoxNotify);
        stage.PrintChatText("일시적인 오류`1111`로 게임을 중지하였습니다!`0010`");
    }
    if (body.leaveFlag != 0) stage.PostToHost(HostNotifyCode::Leave);
    stage.SetDirty();
}

void ResultFlow::UpdateAntiLeaveAtGameEnd(int32_t count)
{
    if (!records.IsAntiLeaveRoom() || count == entryState.antiLeaveCount) return;
    entryState.antiLeaveCount = count;
    if (count == 0)
        stage.ShowMessageBox("이제부터 방을 자유롭게 나갈 수 있습니다.", 0, 3000, "먹튀방지 옵션이 해제되었습니다.",
                       kWarningColour);
    flows.periphery.UpdateRestrict(true, count > 0);
}

// Each seat's counts, multiplier and money from the body. The turn time-out count of both seats is
// reset, but only the own seat's is the server's to hear, and only once.
void ResultFlow::SettleGameEndSeats(const GameEnd& body)
{
    const int own = records.FindSeatByKey(ownUser.userKey);
    for (int s = 0; s < 2; ++s) {
        const GameEndSeat& in = body.seats[static_cast<size_t>(s)];
        PlayerInfo& p = records.GetPlayer(s);
        p.turnTimeoutCount = 0;
        engine.UpdateScoreMultiplier(s, false);
        stage.RefreshSeatPanels(s);
        p.gameMoney = in.gameMoney;
        p.safeMoney = in.safeMoney;
        p.secondMoney = in.secondMoney;
        p.extraMoney = in.extraMoney;
        p.memberClub = in.membership[0];
        p.memberGold = in.membership[1];
        p.memberRoyal = in.membership[2];
        p.memberLower1 = in.membership[3];
        p.memberLower2 = in.membership[4];
        p.readyValue = in.readyValue;
        p.roundCounter1 = in.roundCounter1;
        p.roundCounter2 = in.roundCounter2;
        p.roomValue = in.roomValue;
        if (in.roomValue != 0) room.roomValue = in.roomValue;
        if (s == own) SettleOwnGameEnd(p, in);
    }
    if (own >= 0) static_cast<void>(requests.SendTimeoutCount(0));  // nothing here follows it
}

void ResultFlow::SettleOwnGameEnd(PlayerInfo& seat, const GameEndSeat& in)
{
    CopyOwnMoney(seat);
    if (const auto notice = Rules::PlanCapNotice(Rules::MembershipGrade(seat), seat.gameMoney, seat.safeMoney)) {
        CHostProxy(stage.GetHost()).PrintChatLink(Rules::kCapNoticeLink, kCapNoticeLinkTarget, 400, 0);
        stage.PrintChatText(notice->text);
        entryState.moneyNoticeFlags[0] = true;
    }
    if (records.HasRobotSeat()) return;
    const bool gained = in.jewelCount > seat.jewelCount;
    flows.periphery.ShowJewelsAfterGame(in.jewelKind, gained ? in.jewelCount - seat.jewelCount : 0, in.jewelKind != seat.jewelKind);
    seat.jewelKind = ownUser.jewelKind = in.jewelKind;
    seat.jewelCount = ownUser.jewelCount = in.jewelCount;
    if (gained) stage.PlaySoundId(SoundId::JewelGained);
}

void ResultFlow::OnTournamentRoundResult(const TournamentRoundResult& body)
{
    // Auto-play goes off with the result panel only: a kind without a panel leaves it on.
    OpenResultPhase(AutoPlay::Keep);
    stage.Vip().UpdateJokboIcons(-1, false);
    tableState.active = false;
    stage.RevealRemainingCards(body.remainingDeck, body.remainingHands);
    const int own = records.OwnSeat();
    for (int s = 0; s < 2; ++s) {
        PlayerInfo& p = records.GetPlayer(s);
        p.tournamentMoney = body.tournamentMoney[static_cast<size_t>(s)];
        if (s == own) ownUser.tournamentMoney = p.tournamentMoney;
        flows.entry.RefreshSeatInfo(s);
        engine.LayoutCapturedPile(s, CardCategory::Pi);
    }
    stage.LeaveNoticeToHost(LeaveNoticeCode::RoundOver);
    if (body.resultKind > kLastResultKind) {
        stage.PlaySoundId(SoundId::ResultWinner);
        stage.SetDirty();
        return;
    }
    stage.ShowTournamentResult(body);
    stage.SetDirty();
    const int winner = records.FindSeatByKey(static_cast<int32_t>(body.winnerKey));
    if (winner >= 0 && engine.ScreenSlotOf(winner) >= 0) {
        PlayGoBak(body.bakList, winner);
        ShowRobotResultFace(winner);
    }
    stage.SetDirty();
}
