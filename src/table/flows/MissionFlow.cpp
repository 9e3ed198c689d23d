#include "table/flows/MissionFlow.h"

#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/core/MissionRules.h"
#include "views/core/TargetScoreRules.h"

namespace {

enum MissionMode { kNoMission = 0, kSingle = 1, kTwoCard = 2, kCardC = 3, kCardC2 = 4, kKungJJak = 5 };

constexpr int kMissionNotice = 9;
constexpr int kHandMissionNotice = 27;
// The single mission both seats win whatever they do.
constexpr int32_t kSureMission = 33;
// Missions from this index on are counted: the panel shows success only when both seats made it.
constexpr int32_t kFirstCountedMission = 28;
// A snapshot's step value above this has the mission panel shown.
constexpr int32_t kMissionShownStep = 2;
constexpr int kKungJJakPpeokStep = 4;
constexpr int kKungJJakCaptureStep = 3;

// A seat the server names: outside 0..1 it is nobody.
int32_t SeatOrNobody(int32_t seat)
{
    return seat == 0 || seat == 1 ? seat : -1;
}

}  // namespace

void MissionFlow::FinishStart()
{
    engine.MarkMissionCards(true);
    stage.SetDirty();
}

void MissionFlow::OnSMissionStart(const SMissionStart& body)
{
    stage.Promotions().ShowEventBanner(false);
    gameInfo.missionMode = kSingle;
    CVSMissionWnd* panel = missions.single;
    if (panel) panel->Reset();
    gameInfo.sMissionIndex = body.missionIndex;
    // An index outside the table only resets the panel: there is no mission to show or to count.
    if (body.missionIndex >= 0 && body.missionIndex < MissionRules::kSingleMissions) {
        gameInfo.sMissionFactor = body.factor;
        const bool sevenPoints = records.IsDesperateRoom() && room.option.targetIndex == 0;
        if (panel) {
            panel->SetMission(body.missionIndex, body.factor, sevenPoints);
            panel->Show(CVMissionBase::Restore::No);
        }
    }
    engine.RecountMissionProgress();
    if (body.missionIndex == kSureMission) {
        for (int seat = 0; seat < 2; ++seat) {
            records.RoundUser(seat).missionActive = 1;
            engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
            stage.RefreshSeatPanels(seat);
        }
        stage.PlaySoundId(SoundId::MissionComplete);
        if (const int own = records.OwnSeat(); own >= 0) stage.PlayVoice(VoiceCue::MissionSuccess, own);
    }
    FinishStart();
}

void MissionFlow::OnDMissionStart(const DMissionStart& body)
{
    stage.Promotions().ShowEventBanner(false);
    gameInfo.missionMode = kTwoCard;
    gameInfo.dMissionValues = body.values;
    gameInfo.dMissionFactors = body.factors;
    gameInfo.dMissionOwners.fill(-1);
    if (CVDMissionWnd* panel = missions.twoCard) {
        panel->Reset();
        for (int side = 0; side < 2; ++side)
            panel->SetMission(side, body.values[static_cast<size_t>(side)], body.factors[static_cast<size_t>(side)]);
        panel->Show(CVMissionBase::Restore::No);
    }
    engine.RecountMissionProgress();
    FinishStart();
}

void MissionFlow::OnCMissionStart(const CMissionStart& body)
{
    stage.Promotions().ShowEventBanner(false);
    gameInfo.missionMode = kCardC;
    gameInfo.missionMusic = 1;
    gameInfo.cMissionCards = body.cards;
    gameInfo.cMissionOwners.fill(-1);
    if (CVCMissionWnd* panel = missions.cardC) {
        panel->Reset();
        for (size_t i = 0; i < body.cards.size(); ++i) panel->SetCard(static_cast<int>(i), body.cards[i]);
        panel->Show(CVMissionBase::Restore::No);
    }
    FinishStart();
}

void MissionFlow::OnC2MissionStart(const C2MissionStart& body)
{
    stage.Promotions().ShowEventBanner(false);
    gameInfo.missionMode = kCardC2;
    gameInfo.missionMusic = 1;
    gameInfo.c2MissionCards = body.cards;
    gameInfo.c2MissionOwners.fill(-1);
    if (CVC2MissionWnd* panel = missions.cardC2) {
        panel->Reset();
        for (size_t i = 0; i < body.cards.size(); ++i) panel->SetCard(static_cast<int>(i), body.cards[i]);
        panel->Show(CVMissionBase::Restore::No);
    }
    FinishStart();
}

void MissionFlow::SettleSeat(int seat, int64_t money, int64_t secondMoney, bool tournamentMoney)
{
    PlayerInfo& p = records.GetPlayer(seat);
    if (tournamentMoney) {
        p.tournamentMoney = money;
    } else {
        p.gameMoney = money;
        p.secondMoney = secondMoney;
    }
    engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
    if (p.screenSlot == 0 || p.screenSlot == 1) {
        stage.ShowSeatMoney(seat);
        stage.RefreshSeatPanels(seat);
    }
}

void MissionFlow::SettleSeats(const PerSeat<int64_t>& money, const PerSeat<int64_t>& secondMoney, bool tournamentMoney)
{
    for (int seat = 0; seat < 2; ++seat) {
        const auto i = static_cast<size_t>(seat);
        SettleSeat(seat, money[i], secondMoney[i], tournamentMoney);
    }
    stage.ReportSeatMoney();
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    stage.SetDirty();
}

void MissionFlow::AnnounceSuccess(int seat)
{
    stage.PlaySoundId(SoundId::MissionComplete);
    stage.PlayVoice(VoiceCue::MissionSuccess, seat);
}

void MissionFlow::OnSMissionResult(const SMissionResult& body)
{
    gameInfo.missionMusic = 0;
    int successes = 0;
    for (int seat = 0; seat < 2; ++seat) {
        const int32_t success = body.success[static_cast<size_t>(seat)] != 0 ? 1 : 0;
        records.RoundUser(seat).missionActive = success;
        successes += success;
    }
    SettleSeats(body.money, body.secondMoney, records.IsTournamentRoom());
    CVSMissionWnd* panel = missions.single;
    const int32_t owner = SeatOrNobody(body.ownerSeat);
    if (owner < 0) {
        if (panel) panel->SetStatus(1);
        stage.SetDirty();
        return;
    }
    stage.ShowNotify(kMissionNotice, gameInfo.sMissionFactor, body.amount);
    AnnounceSuccess(owner);
    if (panel && (gameInfo.sMissionIndex < kFirstCountedMission || successes == 2)) panel->SetStatus(0);
    stage.SetDirty();
    stage.Delay(500);
    stage.Delay(1000);
}

void MissionFlow::OnDMissionResult(const DMissionResult& body)
{
    bool success = false;
    for (size_t i = 0; i < body.parts.size(); ++i) {
        const MissionPartResult& part = body.parts[i];
        if (part.changed == 0) continue;
        const int32_t owner = SeatOrNobody(part.owner);
        gameInfo.dMissionOwners[i] = owner;
        if (owner < 0) {
            if (missions.twoCard) missions.twoCard->SetStatus(static_cast<int>(i), 1);
            continue;
        }
        stage.ShowMissionNotify(kHandMissionNotice, gameInfo.dMissionValues[i], static_cast<int>(i), body.amount);
        AnnounceSuccess(owner);
        if (missions.twoCard) missions.twoCard->SetStatus(static_cast<int>(i), 0);
        success = true;
    }
    for (int seat = 0; seat < 2; ++seat) records.RoundUser(seat).missionActive = 0;
    for (int32_t owner : gameInfo.dMissionOwners)
        if (owner >= 0) records.RoundUser(owner).missionActive = 1;
    SettleSeats(body.money, body.secondMoney, records.IsTournamentRoom());
    if (!success) return;
    stage.Delay(500);
    stage.Delay(1000);
}

template <size_t N, class Panel>
void MissionFlow::ApplyCardResult(const MissionResultFields<N>& body, std::array<int32_t, N>& owners, Panel* panel)
{
    bool success = false;
    for (size_t i = 0; i < N; ++i) {
        const MissionPartResult& part = body.parts[i];
        if (part.changed == 0) continue;
        const int32_t owner = SeatOrNobody(part.owner);
        owners[i] = owner;
        if (panel) panel->SetCardOwner(static_cast<int>(i), owner);
        if (owner < 0) continue;
        stage.ShowNotify(kMissionNotice, 0, body.amount);
        AnnounceSuccess(owner);
        success = true;
    }
    for (int seat = 0; seat < 2; ++seat) records.RoundUser(seat).missionActive = 0;
    for (int32_t owner : owners)
        if (owner >= 0) records.RoundUser(owner).missionActive = 1;
    SettleSeats(body.money, body.secondMoney, false);
    if (!success) return;
    stage.Delay(500);
    stage.Delay(700);
}

void MissionFlow::OnCMissionResult(const CMissionResult& body)
{
    ApplyCardResult(body, gameInfo.cMissionOwners, missions.cardC);
}

void MissionFlow::OnC2MissionResult(const C2MissionResult& body)
{
    ApplyCardResult(body, gameInfo.c2MissionOwners, missions.cardC2);
}

void MissionFlow::OpenKungJJak()
{
    if (gameInfo.missionMode != kKungJJak) return;
    if (missions.kungjjak) missions.kungjjak->ShowPanel(CVKJMissionWnd::WithSlider::No);
    for (int seat = 0; seat < 2; ++seat) records.RoundUser(seat).missionActive = 1;
}

void MissionFlow::StartKungJJakMusic()
{
    if (gameInfo.missionMode == kKungJJak && missions.kungjjak) missions.kungjjak->PlayBgm(true);
}

void MissionFlow::OnDeckFlipKungJJak(int seat, int32_t value)
{
    if (gameInfo.missionMode != kKungJJak || !RoomRecords::IsSeat(seat)) return;
    records.RoundUser(seat).missionValue = value;
    if (missions.kungjjak) missions.kungjjak->SetMultiplier(seat, value, CVKJMissionWnd::AtEnd::No);
}

void MissionFlow::OnTurnResultKungJJak(int seat, int32_t value)
{
    if (gameInfo.missionMode != kKungJJak || !RoomRecords::IsSeat(seat)) return;
    if (missions.kungjjak && missions.kungjjak->GetStep() >= 2) engine.ShowKungJJakStep(kKungJJakCaptureStep);
    records.RoundUser(seat).missionValue = value;
    if (missions.kungjjak) missions.kungjjak->SetMultiplier(seat, value, CVKJMissionWnd::AtEnd::No);
}

void MissionFlow::OnPpeokKungJJak(int seat)
{
    if (gameInfo.missionMode != kKungJJak || !RoomRecords::IsSeat(seat)) return;
    engine.ShowKungJJakStep(kKungJJakPpeokStep);
    records.RoundUser(seat).missionValue = 1;
    if (missions.kungjjak) missions.kungjjak->SetMultiplier(seat, 1, CVKJMissionWnd::AtEnd::No);
}

int MissionFlow::MusicVolume() const
{
    return missions.kungjjak ? missions.kungjjak->GetMusicVolume() : MissionRules::kDefaultMusicVolume;
}

void MissionFlow::RestoreMissionPanel(const GameDataTable& t)
{
    const bool shown = t.stepValue > kMissionShownStep;
    switch (t.missionKind) {
    case kSingle:
        if (CVSMissionWnd* panel = missions.single;
            panel && shown && t.sMissionIndex >= 0 && t.sMissionIndex < MissionRules::kSingleMissions) {
            panel->Reset();
            panel->SetMission(t.sMissionIndex, t.sMissionFactor, records.IsDesperateRoom() && room.option.targetIndex == 0);
            panel->Show(CVMissionBase::Restore::Yes);
            engine.RecountMissionProgress();
            if (records.RoundUser(0).missionActive || records.RoundUser(1).missionActive) panel->SetStatus(0);
        }
        break;
    case kTwoCard:
        if (CVDMissionWnd* panel = missions.twoCard; panel && shown) {
            panel->Reset();
            for (int side = 0; side < 2; ++side)
                panel->SetMission(side, gameInfo.dMissionValues[static_cast<size_t>(side)],
                                  gameInfo.dMissionFactors[static_cast<size_t>(side)]);
            panel->Show(CVMissionBase::Restore::Yes);
            engine.RecountMissionProgress();
            for (size_t side = 0; side < t.dMissionParts.size() && side < 2; ++side) {
                gameInfo.dMissionOwners[side] = SeatOrNobody(t.dMissionParts[side].owner);
                if (gameInfo.dMissionOwners[side] >= 0) panel->SetStatus(static_cast<int>(side), 0);
            }
        }
        break;
    case kCardC:
    case kCardC2: {
        CVCardMissionWnd* panel = t.missionKind == kCardC ? static_cast<CVCardMissionWnd*>(missions.cardC)
                                                          : static_cast<CVCardMissionWnd*>(missions.cardC2);
        if (!panel) break;
        panel->Reset();
        for (size_t i = 0; i < t.missionCards.size(); ++i) panel->SetCard(static_cast<int>(i), t.missionCards[i].cardId);
        panel->Show(CVMissionBase::Restore::Yes);
        for (size_t i = 0; i < t.missionCards.size(); ++i)
            panel->SetCardOwner(static_cast<int>(i), SeatOrNobody(t.missionCards[i].owner));
        break;
    }
    case kKungJJak:
        if (CVKJMissionWnd* panel = missions.kungjjak) {
            panel->ShowPanel(CVKJMissionWnd::WithSlider::Yes);
            for (int seat = 0; seat < 2; ++seat)
                panel->SetMultiplier(seat, records.RoundUser(seat).missionValue, CVKJMissionWnd::AtEnd::Yes);
            panel->PlayBgm(true);
        }
        break;
    default: break;
    }
    engine.MarkMissionCards(true);
}

void MissionFlow::OpenTargetScore()
{
    CVDesperateWnd* panel = periphery.desperate;
    if (!panel) return;
    panel->Reset();
    panel->Show(false);
    if (!records.IsDesperateRoom()) return;
    const Option& o = room.option;
    static_cast<void>(panel->SetBetAndTarget(o.betIndex, o.targetIndex, o.customBet));
    panel->SetSkin(static_cast<int>(options.skin));
    panel->Open();
    ShowTargetScores();
    UpdateGiveUpButton();
}

void MissionFlow::ShowTargetScores()
{
    CVDesperateWnd* panel = periphery.desperate;
    if (!panel || !records.IsDesperateRoom()) return;
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& p = records.GetPlayer(seat);
        if (p.screenSlot == 0 || p.screenSlot == 1)
            panel->SetPlayerScore(p.screenSlot, p.targetScorePoints, CVDesperateWnd::Immediate::Yes);
    }
    ShowTargetScoreNames();
}

void MissionFlow::ShowTargetScoreNames()
{
    CVDesperateWnd* panel = periphery.desperate;
    if (!panel || !records.IsDesperateRoom()) return;
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& p = records.GetPlayer(seat);
        if (p.screenSlot != 0 && p.screenSlot != 1) continue;
        panel->SetPlayerName(p.screenSlot, p.userKey != 0 ? p.nickname : std::string());
    }
}

void MissionFlow::UpdateGiveUpButton()
{
    if (CVDesperateWnd* panel = periphery.desperate) panel->UpdateGiveUpButton(room.roomState);
}

void MissionFlow::SetTargetScoreBet(int32_t betKind, int64_t amount)
{
    if (CVDesperateWnd* panel = periphery.desperate) static_cast<void>(panel->SetBet(betKind, amount));
}

void MissionFlow::ResetTargetScoreRound()
{
    CVDesperateWnd* panel = periphery.desperate;
    if (!panel || !records.IsDesperateRoom()) return;
    for (int seat = 0; seat < 2; ++seat) records.GetPlayer(seat).targetScorePoints = 0;
    panel->ResetRound();
    UpdateGiveUpButton();
}

// The server's points of the round go to the winner, within the target; the winner's side plays its
// effect until the result closes.
void MissionFlow::AddTargetScorePoints(const DesperateRoundResult& body)
{
    CVDesperateWnd* panel = periphery.desperate;
    const int winner = body.winInfo.winnerSeat;
    targetScoreGameOver = body.gameOver != 0;
    if (!panel || !RoomRecords::IsSeat(winner) || body.resultKind == TargetScoreRules::kDrawResult) return;
    for (int seat = 0; seat < 2; ++seat) {
        PlayerInfo& p = records.GetPlayer(seat);
        p.targetScorePointsBefore = p.targetScorePoints;
    }
    PlayerInfo& w = records.GetPlayer(winner);
    w.targetScorePoints = TargetScoreRules::AddPoints(w.targetScorePointsBefore, body.targetScorePoints, panel->GetTarget());
    if (w.screenSlot != 0 && w.screenSlot != 1) return;
    panel->SetPlayerScore(w.screenSlot, w.targetScorePoints, CVDesperateWnd::Immediate::No);
    panel->PlayWinEffect(w.screenSlot);
}

void MissionFlow::StopTargetScoreEffects()
{
    if (CVDesperateWnd* panel = periphery.desperate) panel->StopWinEffect();
}

void MissionFlow::SwapTargetScoreSides()
{
    if (CVDesperateWnd* panel = periphery.desperate; panel && records.IsDesperateRoom()) {
        panel->SwapSides();
        ShowTargetScoreNames();
    }
}

void MissionFlow::OnGameEndTargetScore()
{
    CVDesperateWnd* panel = periphery.desperate;
    if (!panel || !records.IsDesperateRoom()) return;
    if (targetScoreGameOver) {
        targetScoreGameOver = false;
        ResetTargetScoreRound();
        return;
    }
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& p = records.GetPlayer(seat);
        if (p.screenSlot == 0 || p.screenSlot == 1)
            panel->SetPlayerScore(p.screenSlot, p.targetScorePoints, CVDesperateWnd::Immediate::Yes);
    }
}
