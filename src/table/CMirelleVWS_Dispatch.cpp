#include "table/RoomTable.h"

#include <array>

#include "protocol/GameMessage.h"
#include "scene/CMirelleVWS.h"

namespace {

using Handler = void (*)(CMirelleVWS&, const GameMessage&);

// Calls the member handler with the message's body as its type.
template <class Body, void (CMirelleVWS::*Member)(const Body&)>
void Call(CMirelleVWS& scene, const GameMessage& message)
{
    if (const Body* body = message.Get<Body>()) (scene.*Member)(*body);
}

template <class Body, void (CMirelleVWS::*Member)(const Body&)>
void Enter(std::array<Handler, kMaxGameMessageId + 1>& table)
{
    table[static_cast<size_t>(Body::kId)] = &Call<Body, Member>;
}

// Handlers by message id; an id without one is consumed and destroyed.
const std::array<Handler, kMaxGameMessageId + 1>& HandlerTable()
{
    static const auto table = [] {
        std::array<Handler, kMaxGameMessageId + 1> t{};
        Enter<RoomDeletedNotice, &CMirelleVWS::OnRoomDeletedNotice>(t);
        Enter<ServerValueForHost, &CMirelleVWS::OnServerValueForHost>(t);
        Enter<ServerNoticeForHost, &CMirelleVWS::OnServerNoticeForHost>(t);
        Enter<RoomEnterAnswer, &CMirelleVWS::OnRoomEnterAnswer>(t);
        Enter<DealCards, &CMirelleVWS::OnDealCards>(t);
        Enter<InitialFloorBonus, &CMirelleVWS::OnInitialFloorBonus>(t);
        Enter<BonusCardPlayed, &CMirelleVWS::OnBonusCardPlayed>(t);
        Enter<HandCardPlayed, &CMirelleVWS::OnHandCardPlayed>(t);
        Enter<ShakeDeclared, &CMirelleVWS::OnShakeDeclared>(t);
        Enter<CaptureEvent, &CMirelleVWS::OnCaptureEvent>(t);
        Enter<DeckCardsFlipped, &CMirelleVWS::OnDeckCardsFlipped>(t);
        Enter<Ppeok, &CMirelleVWS::OnPpeok>(t);
        Enter<ScoreRefresh, &CMirelleVWS::OnScoreRefresh>(t);
        Enter<GameReady, &CMirelleVWS::OnGameReady>(t);
        Enter<StakeConfirm, &CMirelleVWS::OnStakeConfirm>(t);
        Enter<WaitingForStart, &CMirelleVWS::OnWaitingForStart>(t);
        Enter<SunDecided, &CMirelleVWS::OnSunDecided>(t);
        Enter<RoundStart, &CMirelleVWS::OnRoundStart>(t);
        Enter<TurnStart, &CMirelleVWS::OnTurnStart>(t);
        Enter<ClearEffects, &CMirelleVWS::OnClearEffects>(t);
        Enter<TimeUp, &CMirelleVWS::OnTimeUp>(t);
        Enter<CardChoicePrompt, &CMirelleVWS::OnCardChoicePrompt>(t);
        Enter<YesNoChoicePrompt, &CMirelleVWS::OnYesNoChoicePrompt>(t);
        Enter<SeptAnimalPrompt, &CMirelleVWS::OnSeptAnimalPrompt>(t);
        Enter<SeptAnimalMoved, &CMirelleVWS::OnSeptAnimalMoved>(t);
        Enter<SeptAnimalKept, &CMirelleVWS::OnSeptAnimalKept>(t);
        Enter<GoOrStopPrompt, &CMirelleVWS::OnGoOrStopPrompt>(t);
        Enter<GoOrStopResult, &CMirelleVWS::OnGoOrStopResult>(t);
        Enter<ResultStep, &CMirelleVWS::OnResultStep>(t);
        Enter<BetPrompt, &CMirelleVWS::OnBetPrompt>(t);
        Enter<RoomOptionNotice, &CMirelleVWS::OnRoomOptionNotice>(t);
        Enter<PlayerEnter, &CMirelleVWS::OnPlayerEnter>(t);
        Enter<GameDataSync, &CMirelleVWS::OnGameDataSync>(t);
        Enter<JoinGameAnswer, &CMirelleVWS::OnJoinGameAnswer>(t);
        Enter<PlayerLeave, &CMirelleVWS::OnPlayerLeave>(t);
        Enter<UserAvatarString, &CMirelleVWS::OnUserAvatarString>(t);
        Enter<RoomInfoUpdate, &CMirelleVWS::OnRoomInfoUpdate>(t);
        Enter<ShuffleCards, &CMirelleVWS::OnShuffleCards>(t);
        Enter<SunPicked, &CMirelleVWS::OnSunPicked>(t);
        Enter<TableReset, &CMirelleVWS::OnTableReset>(t);
        Enter<MyUserInfo, &CMirelleVWS::OnMyUserInfo>(t);
        Enter<HandCardList, &CMirelleVWS::OnHandCardList>(t);
        Enter<RoundResult, &CMirelleVWS::OnRoundResult>(t);
        Enter<EventRoundResult, &CMirelleVWS::OnEventRoundResult>(t);
        Enter<DesperateRoundResult, &CMirelleVWS::OnDesperateRoundResult>(t);
        Enter<GameEnd, &CMirelleVWS::OnGameEnd>(t);
        Enter<ChatMacro, &CMirelleVWS::OnChatMacro>(t);
        return t;
    }();
    return table;
}

class Table final : public SceneTable {
public:
    void HandleMessage(CMirelleVWS& scene, const GameMessage& message) const override
    {
        if (message.id < 1 || message.id > kMaxGameMessageId) return;
        if (const Handler h = HandlerTable()[static_cast<size_t>(message.id)]) h(scene, message);
    }
};

}  // namespace

const SceneTable& RoomTable()
{
    static const Table table;
    return table;
}
