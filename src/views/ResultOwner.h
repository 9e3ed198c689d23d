#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "protocol/RoomCodes.h"
#include "views/PanelOwner.h"
#include "views/core/ResultRules.h"

class CVItemWnd;

// What the round-end panel asks of the room: the facts of the seats at a fill, the senders of its
// answers, its sounds, voices and chat, and the room's widgets it shows with it. The scene
// implements it.
class ResultOwner : public PanelOwner {
public:
    struct Room {
        ResultRules::Viewer viewer;
        std::array<std::string, 2> nicknames;
        std::array<bool, 2> robotSeat{};
        std::array<bool, 2> seatOnScreen{};
        bool robotSeated = false;
        bool eventRoomInPlay = false;  // room kinds 5..10, every seat in the game
        int32_t roomKind = 0;
        ResultRules::AutoStartRoom autoStart;
        bool autoStartOn = false;
    };
    virtual Room GetResultRoom() const = 0;
    // What the target-score result reads of the room: the bet of its challenges, each seat's money
    // as settled and running points, and whether the room takes the second challenge rule.
    struct TargetScoreRoom {
        int64_t bet = 0;
        std::array<int64_t, 2> seatMoney{};
        std::array<int32_t, 2> points{};
        bool otherChallengeRule = false;
    };
    virtual TargetScoreRoom GetTargetScoreRoom() const = 0;
    // The loser's challenge 1..3 at a target-score game's end.
    virtual void SendChallenge(int choice) = 0;
    virtual void SendResultAnswer(ResultRules::Answer answer) = 0;
    // Closes the result (it resets the panel).
    virtual void HideRoundResult() = 0;
    virtual void PlayResultSound(SoundId id) = 0;
    virtual void StopResultSound(SoundId id) = 0;
    virtual void PlayResultVoice(VoiceCue cue, int seat) = 0;
    virtual void PrintResultChat(const std::string& text) = 0;
    virtual void ShowEventMark(bool show) = 0;
    virtual void StartFireworks() = 0;
    // Flips the room's auto-start flag and answers the new one.
    virtual bool ToggleAutoStart() = 0;
    // The item panel under the result; null when it cannot be made (the error is recorded).
    virtual CVItemWnd* CreateItemWnd() = 0;

protected:
    ~ResultOwner() = default;
};
