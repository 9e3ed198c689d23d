#include "table/flows/RoomFlows.h"

#include <array>

#include "protocol/GameMessage.h"

namespace {

using Handler = void (*)(RoomFlows&, const GameMessage&);

// Calls the flow's handler with the message's body as its type.
template <class Body, class Flow, Flow RoomFlows::*flow, void (Flow::*Member)(const Body&)>
void Call(RoomFlows& flows, const GameMessage& message)
{
    if (const Body* body = message.Get<Body>()) ((flows.*flow).*Member)(*body);
}

template <class Body, class Flow, Flow RoomFlows::*flow, void (Flow::*Member)(const Body&)>
void Enter(std::array<Handler, kMaxGameMessageId + 1>& table)
{
    table[static_cast<size_t>(Body::kId)] = &Call<Body, Flow, flow, Member>;
}

// Handlers by message id; an id without one is consumed and destroyed.
const std::array<Handler, kMaxGameMessageId + 1>& HandlerTable()
{
    static const auto table = [] {
        std::array<Handler, kMaxGameMessageId + 1> t{};
        Enter<RoomDeletedNotice, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnRoomDeletedNotice>(t);
        Enter<ServerValueForHost, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnServerValueForHost>(t);
        Enter<ServerNoticeForHost, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnServerNoticeForHost>(t);
        Enter<RoomEnterAnswer, EntryFlow, &RoomFlows::entry, &EntryFlow::OnRoomEnterAnswer>(t);
        Enter<DealCards, FirstPlayerFlow, &RoomFlows::firstPlayer, &FirstPlayerFlow::OnDealCards>(t);
        Enter<InitialFloorBonus, PlayFlow, &RoomFlows::play, &PlayFlow::OnInitialFloorBonus>(t);
        Enter<BonusCardPlayed, PlayFlow, &RoomFlows::play, &PlayFlow::OnBonusCardPlayed>(t);
        Enter<HandCardPlayed, PlayFlow, &RoomFlows::play, &PlayFlow::OnHandCardPlayed>(t);
        Enter<ShakeDeclared, PlayFlow, &RoomFlows::play, &PlayFlow::OnShakeDeclared>(t);
        Enter<CaptureEvent, PlayFlow, &RoomFlows::play, &PlayFlow::OnCaptureEvent>(t);
        Enter<DeckCardsFlipped, PlayFlow, &RoomFlows::play, &PlayFlow::OnDeckCardsFlipped>(t);
        Enter<Ppeok, PlayFlow, &RoomFlows::play, &PlayFlow::OnPpeok>(t);
        Enter<ScoreRefresh, PlayFlow, &RoomFlows::play, &PlayFlow::OnScoreRefresh>(t);
        Enter<GameReady, RoundFlow, &RoomFlows::round, &RoundFlow::OnGameReady>(t);
        Enter<StakeConfirm, RoundFlow, &RoomFlows::round, &RoundFlow::OnStakeConfirm>(t);
        Enter<WaitingForStart, RoundFlow, &RoomFlows::round, &RoundFlow::OnWaitingForStart>(t);
        Enter<SunDecided, RoundFlow, &RoomFlows::round, &RoundFlow::OnSunDecided>(t);
        Enter<RoundStart, RoundFlow, &RoomFlows::round, &RoundFlow::OnRoundStart>(t);
        Enter<TurnStart, RoundFlow, &RoomFlows::round, &RoundFlow::OnTurnStart>(t);
        Enter<ClearEffects, RoundFlow, &RoomFlows::round, &RoundFlow::OnClearEffects>(t);
        Enter<TimeUp, RoundFlow, &RoomFlows::round, &RoundFlow::OnTimeUp>(t);
        Enter<CardChoicePrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnCardChoicePrompt>(t);
        Enter<YesNoChoicePrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnYesNoChoicePrompt>(t);
        Enter<SeptAnimalPrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnSeptAnimalPrompt>(t);
        Enter<SeptAnimalMoved, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnSeptAnimalMoved>(t);
        Enter<SeptAnimalKept, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnSeptAnimalKept>(t);
        Enter<GoOrStopPrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnGoOrStopPrompt>(t);
        Enter<GoOrStopResult, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnGoOrStopResult>(t);
        Enter<ResultStep, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnResultStep>(t);
        Enter<BetPrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnBetPrompt>(t);
        Enter<RoomOptionNotice, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnRoomOptionNotice>(t);
        Enter<PlayerEnter, SnapshotFlow, &RoomFlows::snapshot, &SnapshotFlow::OnPlayerEnter>(t);
        Enter<GameDataSync, SnapshotFlow, &RoomFlows::snapshot, &SnapshotFlow::OnGameDataSync>(t);
        Enter<JoinGameAnswer, EntryFlow, &RoomFlows::entry, &EntryFlow::OnJoinGameAnswer>(t);
        Enter<PlayerLeave, EntryFlow, &RoomFlows::entry, &EntryFlow::OnPlayerLeave>(t);
        Enter<UserAvatarString, EntryFlow, &RoomFlows::entry, &EntryFlow::OnUserAvatarString>(t);
        Enter<RoomInfoUpdate, EntryFlow, &RoomFlows::entry, &EntryFlow::OnRoomInfoUpdate>(t);
        Enter<ShuffleCards, FirstPlayerFlow, &RoomFlows::firstPlayer, &FirstPlayerFlow::OnShuffleCards>(t);
        Enter<SunPicked, FirstPlayerFlow, &RoomFlows::firstPlayer, &FirstPlayerFlow::OnSunPicked>(t);
        Enter<TableReset, FirstPlayerFlow, &RoomFlows::firstPlayer, &FirstPlayerFlow::OnTableReset>(t);
        Enter<MyUserInfo, EntryFlow, &RoomFlows::entry, &EntryFlow::OnMyUserInfo>(t);
        Enter<HandCardList, SnapshotFlow, &RoomFlows::snapshot, &SnapshotFlow::OnHandCardList>(t);
        Enter<RoundResult, ResultFlow, &RoomFlows::results, &ResultFlow::OnRoundResult>(t);
        Enter<EventRoundResult, ResultFlow, &RoomFlows::results, &ResultFlow::OnEventRoundResult>(t);
        Enter<DesperateRoundResult, ResultFlow, &RoomFlows::results, &ResultFlow::OnDesperateRoundResult>(t);
        Enter<GameEnd, ResultFlow, &RoomFlows::results, &ResultFlow::OnGameEnd>(t);
        Enter<ChatMacro, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnChatMacro>(t);
        Enter<PlayerDisconnected, SeatFlow, &RoomFlows::seats, &SeatFlow::OnPlayerDisconnected>(t);
        Enter<EntryResult, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnEntryResult>(t);
        Enter<KickReserve, SeatFlow, &RoomFlows::seats, &SeatFlow::OnKickReserve>(t);
        Enter<SeatMark, SeatFlow, &RoomFlows::seats, &SeatFlow::OnSeatMark>(t);
        Enter<EntryLimitChanged, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnEntryLimitChanged>(t);
        Enter<VoiceTypeChanged, SeatFlow, &RoomFlows::seats, &SeatFlow::OnVoiceTypeChanged>(t);
        Enter<HostText, NoticeFlow, &RoomFlows::notices, &NoticeFlow::OnHostText>(t);
        Enter<SeatsCleared, SeatFlow, &RoomFlows::seats, &SeatFlow::OnRobotSeatChange>(t);
        Enter<MonthChoicePrompt, DecisionFlow, &RoomFlows::decisions, &DecisionFlow::OnMonthChoicePrompt>(t);
        Enter<TurnResult, PlayFlow, &RoomFlows::play, &PlayFlow::OnTurnResult>(t);
        Enter<SafeWithdrawal, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnSafeWithdrawal>(t);
        Enter<TournamentRoundResult, ResultFlow, &RoomFlows::results, &ResultFlow::OnTournamentRoundResult>(t);
        Enter<MoneyGained, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnMoneyGained>(t);
        Enter<MoneyCapNotice, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnMoneyCapNotice>(t);
        Enter<AntiLeaveCount, SeatFlow, &RoomFlows::seats, &SeatFlow::OnAntiLeaveCount>(t);
        Enter<MoneyReturned, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnMoneyReturned>(t);
        Enter<PlayCountUpdate, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnPlayCountUpdate>(t);
        Enter<RefillResult, MoneyFlow, &RoomFlows::money, &MoneyFlow::OnRefillResult>(t);
        Enter<UserRecordValues, SeatFlow, &RoomFlows::seats, &SeatFlow::OnUserRecordValues>(t);
        Enter<StopTurnTimer, RoundFlow, &RoomFlows::round, &RoundFlow::OnStopTurnTimer>(t);
        Enter<TimeoutCountNotice, SeatFlow, &RoomFlows::seats, &SeatFlow::OnTimeoutCountNotice>(t);
        Enter<SMissionStart, MissionFlow, &RoomFlows::missions, &MissionFlow::OnSMissionStart>(t);
        Enter<DMissionStart, MissionFlow, &RoomFlows::missions, &MissionFlow::OnDMissionStart>(t);
        Enter<CMissionStart, MissionFlow, &RoomFlows::missions, &MissionFlow::OnCMissionStart>(t);
        Enter<C2MissionStart, MissionFlow, &RoomFlows::missions, &MissionFlow::OnC2MissionStart>(t);
        Enter<SMissionResult, MissionFlow, &RoomFlows::missions, &MissionFlow::OnSMissionResult>(t);
        Enter<DMissionResult, MissionFlow, &RoomFlows::missions, &MissionFlow::OnDMissionResult>(t);
        Enter<CMissionResult, MissionFlow, &RoomFlows::missions, &MissionFlow::OnCMissionResult>(t);
        Enter<C2MissionResult, MissionFlow, &RoomFlows::missions, &MissionFlow::OnC2MissionResult>(t);
        Enter<VIPUpdate, VipFlow, &RoomFlows::vip, &VipFlow::OnVIPUpdate>(t);
        return t;
    }();
    return table;
}

}  // namespace

RoomFlows::RoomFlows(RoomStage& stage, TableEngine& engine, RoomRequests& requests, RoomRecords& records,
                     RoomWidgetSet& widgets)
    : entry(stage, engine, requests, *this, records, widgets),
      snapshot(stage, engine, requests, *this, records, widgets),
      firstPlayer(stage, engine, requests, *this, records, widgets),
      round(stage, engine, requests, *this, records, widgets),
      play(stage, engine, requests, *this, records, widgets),
      decisions(stage, engine, requests, *this, records, widgets),
      results(stage, engine, requests, *this, records, widgets),
      notices(stage, engine, requests, *this, records, widgets),
      seats(stage, engine, requests, *this, records, widgets),
      money(stage, engine, requests, *this, records, widgets),
      missions(stage, engine, requests, *this, records, widgets),
      periphery(stage, engine, requests, *this, records, widgets),
      vip(stage, engine, requests, *this, records, widgets)
{
}

void RoomFlows::Dispatch(const GameMessage& message)
{
    if (message.id < 1 || message.id > kMaxGameMessageId) return;
    if (const Handler h = HandlerTable()[static_cast<size_t>(message.id)]) h(*this, message);
}
