#include "table/flows/SnapshotFlow.h"

#include <algorithm>
#include <numeric>

#include "foundation/Debug.h"
#include "protocol/HostInterfaces.h"
#include "table/TableEngine.h"
#include "table/core/CardModel.h"
#include "table/core/EntryRules.h"
#include "table/core/HandOrder.h"
#include "table/core/TableLayout.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr int kRobotAvatar = 0;

// Fixed arrays take what fits of a list of any length; the rest keeps its reset value.
template <class Array, class List, class Get>
void CopyWhatFits(Array& out, const List& in, Get get)
{
    const size_t n = std::min(out.size(), in.size());
    for (size_t i = 0; i < n; ++i) out[i] = get(in[i]);
}

void CopyRoundCounts(CHTUser& user, const PlayerData& data)
{
    user.goCount = data.goCount;
    user.points = data.points;
    user.shakeBombCount = data.shakeBombCount;
    user.markCount = data.furtherCount;
    user.piCount = data.displayValue1;
    user.pointsWithGo = data.displayValue2;
    user.missionActive = data.missionActive;
    user.missionValue = data.missionValue;
}

}  // namespace

void SnapshotFlow::OnGameDataSync(const GameDataSync& body)
{
    if (body.targetKey != ownUser.userKey || room.roomState < static_cast<int32_t>(RoomState::Playing)) return;
    const GameDataTable& t = body.table;
    if (const auto check = EntryRules::CheckSnapshot(t); check != EntryRules::SnapshotCheck::Ok) {
        DebugLine("snapshot refused: %s", check == EntryRules::SnapshotCheck::HandTooLarge        ? "a hand above ten"
                                          : check == EntryRules::SnapshotCheck::BonusWithoutPlace ? "a bonus card without a place"
                                                                                                  : "more than 50 cards");
        stage.PostToHost(HostNotifyCode::Stay);
        return;
    }
    // A second snapshot must not add to the first: the table starts empty.
    stage.ClearTable();
    stage.InitFloorSlots();
    gameInfo.ownHandIds.clear();
    entryState.pickSlots.clear();
    stage.ShowRoundStartAnimation(false, 0);
    gameInfo.turnKey = t.turnKey;
    entryState.stepValue = t.stepValue;
    entryState.turnValue = t.turnValue;
    gameInfo.missionMode = t.missionKind;
    entryState.chamgiKind = t.chamgiKind;
    entryState.chamgiStage = t.chamgiStage;
    stage.ShowChamgiBackground(true, t.chamgiKind);
    RestoreMissionData(t);
    gameInfo.deck.resize(kCardCount);
    std::iota(gameInfo.deck.begin(), gameInfo.deck.end(), 0);
    for (int seat = 0; seat < 2; ++seat) {
        CopyRoundCounts(records.RoundUser(seat), t.players[static_cast<size_t>(seat)]);
        engine.UpdateScoreMultiplier(seat, t.septemberChoice != 0);
        stage.RefreshSeatPanels(seat);
    }
    entryState.antiLeaveCount = t.antiLeaveCount;
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    flows.missions.ShowTargetScores();
    if (!RestoreSnapshotCards(t)) {
        // A table half rebuilt would play on wrong cards: the host hears it, the table stays empty.
        stage.PostToHost(HostNotifyCode::Stay);
        stage.ClearTable();
        return;
    }
    flows.missions.RestoreMissionPanel(t);
}

void SnapshotFlow::RestoreMissionData(const GameDataTable& t)
{
    switch (t.missionKind) {
    case 1:
        gameInfo.sMissionIndex = t.sMissionIndex;
        gameInfo.sMissionFactor = t.sMissionFactor;
        break;
    case 2:
        CopyWhatFits(gameInfo.dMissionValues, t.dMissionParts, [](const DMissionPart& p) { return p.value; });
        CopyWhatFits(gameInfo.dMissionFactors, t.dMissionParts, [](const DMissionPart& p) { return p.factor; });
        break;
    case 3:
        CopyWhatFits(gameInfo.cMissionCards, t.missionCards, [](const MissionCard& c) { return c.cardId; });
        CopyWhatFits(gameInfo.cMissionOwners, t.missionCards, [](const MissionCard& c) { return c.owner; });
        break;
    case 4:
        CopyWhatFits(gameInfo.c2MissionCards, t.missionCards, [](const MissionCard& c) { return c.cardId; });
        CopyWhatFits(gameInfo.c2MissionOwners, t.missionCards, [](const MissionCard& c) { return c.owner; });
        break;
    default: break;
    }
}

bool SnapshotFlow::RestoreSnapshotCards(const GameDataTable& t)
{
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerData& p = t.players[static_cast<size_t>(seat)];
        const bool rebuilt = engine.RebuildPile(seat, 0, p.gwangPile) && engine.RebuildPile(seat, 1, p.animalPile) &&
                             engine.RebuildPile(seat, 2, p.ribbonPile) && engine.RebuildPile(seat, 3, p.piPile) &&
                             engine.RebuildHand(seat, static_cast<int32_t>(p.hand.size()));
        if (!rebuilt) return false;
        engine.SeedAnnounced(seat);
    }
    if (!engine.RebuildFloor(t.floor, t.bonusCards, t.lastFloorCard)) return false;
    engine.StackDeck(DeckStack::DeckOnly);
    gameInfo.septemberChoice = t.septemberChoice;
    for (int seat = 0; seat < 2; ++seat) {
        stage.ShowNineTenClip(seat, t.septemberChoice == 0);
        engine.UpdateScoreMultiplier(seat, t.septemberChoice != 0);
        stage.RefreshSeatPanels(seat);
    }
    gameInfo.pointValue = t.pointValue;
    if (const int turnSeat = records.FindSeatByKey(t.turnKey); turnSeat >= 0 && t.turnKey != -1) {
        if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) {
            const int32_t slot = records.GetPlayer(turnSeat).screenSlot;
            marker->SetPos(slot == 1 ? Point{320, 104} : Point{320, 361});
            marker->Show(true);
            marker->Play(0, false);
        }
    }
    if ((records.IsTournamentRoom() || records.IsDesperateRoom()) && (t.playState == 2 || t.playState == 3)) controls.roundStarted = true;
    flows.missions.UpdateGiveUpButton();
    stage.UpdateExitButtons(1);
    stage.UpdatePlayObserveButtons(1);
    // The table clear emptied the stake.
    stage.UpdateStakeText();
    if (t.playState == 2) {
        stage.StartBlinkTimer();
        tableState.dealing = true;
    }
    // The card play's messages act on a table in step with the server.
    tableState.active = true;
    stage.ShowRobotAvatar(room.roomKind != 60 && records.HasRobotSeat() ? kRobotAvatar : -1, kRobotAvatarPoint);
    stage.SetDirty();
    stage.FlushRedraw();
    return true;
}

void SnapshotFlow::OnPlayerEnter(const PlayerEnter& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0 || body.userKey == -1) return;
    room.roomState = body.playState;
    PlayerInfo& p = records.GetPlayer(seat);
    const int32_t slot = p.screenSlot;
    p = body.player;
    p.screenSlot = slot;
    room.seats.AssignScreenSlots(ownUser.userKey);
    if (body.userKey == ownUser.userKey) {
        static_cast<RCUser&>(ownUser) = static_cast<const RCUser&>(body.player);
        stage.Promotions().SetJackpotProgress(ownUser);
        if (body.playState == static_cast<int32_t>(RoomState::Playing)) {
            const std::vector<int32_t>& hand = records.RoundUser(seat).hand;
            if (hand.size() != body.ownHand.size()) {
                DebugLine("player enter: %d hand cards here, %d from the server", static_cast<int>(hand.size()),
                          static_cast<int>(body.ownHand.size()));
                stage.PostToHost(HostNotifyCode::Stay);
                return;
            }
            std::vector<int32_t> ids = body.ownHand;
            std::sort(ids.begin(), ids.end());
            for (size_t i = 0; i < hand.size(); ++i) {
                if (!IsValidCardId(ids[i]) || !engine.Model().SetSlotCard(hand[i], ids[i])) continue;
                if (CVHTWnd* card = engine.CardWndBySlot(hand[i])) {
                    card->SetImageFrame(ids[i]);
                    engine.SetCardSize(card, CardSizeKind::Big);
                }
            }
        }
        flows.entry.RefreshBothSeats(EntryFlow::Avatar::Fetch);
        if (records.IsUserSeated()) {
            stage.SetAutoPlay(false);
            stage.SetAutoPlayButtonEnabled(true);
        }
        if (room.roomKind >= 5 && room.roomKind <= 10 && !records.HasRobotSeat()) flows.seats.LoopWaitingAnimation(true);
    } else {
        flows.entry.RefreshSeatInfo(seat, EntryFlow::Avatar::Fetch);
    }
    if (ownUser.userKey == gameInfo.ownerKey && !body.kickList.empty()) {
        gameInfo.kickReservations = body.kickList;
        stage.SendKickListToHost();
    }
    stage.SetDirty();
    flows.entry.PassHostTextToServer();
}

void SnapshotFlow::OnHandCardList(const HandCardList& body)
{
    records.markedCards.clear();
    tableState.handMarked = false;
    if (body.userKey != ownUser.userKey || body.userKey == -1) return;
    tableState.handMarked = true;
    stage.ShowHandHints(false);
    // No mark of their own on the listed cards: the hints drawn from the kept list (the outline, the
    // guides and the double-bomb icons) are what marks them.
    records.markedCards = ValidCardIds(body.cards);
    stage.ShowHandHints(true);
    stage.SetDirty();
}
