#pragma once

#include <cstdint>
#include <string>

#include "scene/core/DecisionRules.h"

class RoomStage;
class RoomRecords;
struct RoomWidgetSet;
class TableEngine;
struct GameRequest;

// The room's requests to the server, each with its checks. Every sender answers true when its
// request went out to the host, false when its check refused it or there was no host to take it
// (or the host's Send failed). A decision answered closes only once its request went out.
class RoomRequests {
public:
    using DecisionKind = SceneRules::DecisionKind;

    RoomRequests(RoomStage& stage, TableEngine& engine, RoomRecords& records, RoomWidgetSet& widgets);

    // One serialised request to the host; a missing host or a failed Send is reported once here.
    [[nodiscard]] bool SendGameRequest(const GameRequest& request);

    [[nodiscard]] bool SendVoiceType();
    [[nodiscard]] bool SendPlay(int flag);
    [[nodiscard]] bool SendObserve();
    [[nodiscard]] bool SendExitRoom();
    [[nodiscard]] bool SendKick(int32_t target);
    [[nodiscard]] bool SendOptionChange(int32_t a, int32_t b);
    [[nodiscard]] bool SendGameReadyAnswer(int timedOut);
    [[nodiscard]] bool SendStart();
    [[nodiscard]] bool SendSunPick(int32_t pick, int timedOut);
    [[nodiscard]] bool SendMonthChoice(int32_t choice);
    [[nodiscard]] bool SendPlayCard(int32_t card, int timedOut);
    [[nodiscard]] bool SendCardChoice(int32_t card, int timedOut);
    [[nodiscard]] bool SendYesNoChoice(int32_t choice, int timedOut);
    [[nodiscard]] bool SendSeptAnimalChoice(int32_t choice, int timedOut);
    [[nodiscard]] bool SendGoOrStop(int32_t choice, int timedOut);
    [[nodiscard]] bool SendResultChoice(int32_t choice);
    [[nodiscard]] bool SendTournamentResultOk();
    [[nodiscard]] bool SendDealShown(int32_t a, int32_t b);
    [[nodiscard]] bool SendGiveUp();
    [[nodiscard]] bool SendChamgi(int32_t choice);
    [[nodiscard]] bool SendBettingChoice(int32_t index);
    [[nodiscard]] bool SendHostPageState(int32_t state);
    [[nodiscard]] bool SendMacro(int32_t number);
    [[nodiscard]] bool SendTung(int32_t value);
    [[nodiscard]] bool SendChallenge(int32_t choice);
    [[nodiscard]] bool SendBet(int32_t a, int32_t b);
    [[nodiscard]] bool SendDesperateExit();
    [[nodiscard]] bool SendDesperateDecline();
    [[nodiscard]] bool SendAutoPlay(int32_t flag);
    [[nodiscard]] bool SendTimeoutCount(int32_t count);
    [[nodiscard]] bool SendCheckNoticeReply();
    [[nodiscard]] bool SendHostUserText(const std::string& text);
    // The safe's amount to the host (not the server), after a round only.
    [[nodiscard]] bool RequestItemUse(int64_t amount);
    bool IsRoomKind5To10InPlay() const;

private:
    // The decision is answered: its timer stops and the countdown starts over.
    void CloseDecision();
    // The check, send and close every decision answer shares: only while seated and the decision
    // runs; the decision stays open when the request did not go out.
    [[nodiscard]] bool AnswerDecision(DecisionKind kind, const GameRequest& request);
    // A turn played by the timer: the time-out count and, at the second, auto-play.
    void CountOwnTimeout();

    RoomStage& stage;
    TableEngine& engine;
    RoomRecords& records;
    RoomWidgetSet& widgets;
};
