#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "foundation/core/Geometry.h"

// What the round-end panel shows, decided apart from its widgets.
namespace ResultRules {

// How a round ended, as the panel shows it.
enum class Ending { Normal, Chongtong, ThreePpeok, Special, Draw };
// Message 49's kinds: 0, 6, 7, 8 and 10; any other kind shows nothing.
std::optional<Ending> RoundEnding(uint32_t kind);
// Message 52's kinds: 0, 2 (shown as the special ending), 6, 7 and 10.
std::optional<Ending> TournamentEnding(uint32_t kind);

// Who looks at the result: the own key and seat (-1 for an observer) and the seats' keys.
struct Viewer {
    int32_t ownKey = -1;
    int ownSeat = -1;
    std::array<int32_t, 2> seatKeys{-1, -1};
};
struct Side {
    bool won = false;
    int seat = 0;  // the viewed seat, 0 or 1
    bool operator==(const Side&) const = default;
};
// A player sees his own side (the winner's seat when he won), an observer seat 0's. Nothing for a
// winner seat index other than 0 or 1.
std::optional<Side> ViewedSide(int32_t winnerKey, int32_t winnerSeat, const Viewer& viewer);

// The money change as glyphs: "+" only above 0, Korean units of two groups.
std::string MoneyGlyphText(int64_t change);
// "0냥", the money of a draw and of a chamgi.
std::string DrawMoneyText();
// The next round's multiplier after draws; empty without a draw.
std::string DrawLine(int32_t drawCount);
// The robot note, or the event-fund share (tenths of a percent) of a won result; else empty.
std::string NoteText(bool robotSeated, bool won, int32_t fundShareTenths);

// The answer buttons below the result.
enum class Button { Ok, ChamgiOk, Chamgi, ChamgiWaiting, Tung, TournamentOk, EventOkRight, EventOkLeft, Rechallenge };
constexpr int kButtons = 9;
struct ButtonSet {
    std::array<bool, kButtons> shown{};
    Point okPos{141, 285};
    int chamgiImageSet = 0;
    bool waitingTung = false;  // a later result step shows the tung button again
    bool Shows(Button b) const { return shown[static_cast<size_t>(b)]; }
};
struct RoundOffer {
    bool seated = false;
    bool ownWon = false;  // the own key is the winner's
    bool tung = false;
    bool chamgi = false;
    int32_t chamgiImageSet = 0;
};
// Message 49's buttons: OK, moved left for the tung button when tung is offered to a seated loser;
// with chamgi offered the winner gets chamgi OK and chamgi (an unknown image set counts as 0),
// everybody else the waiting mark.
ButtonSet RoundButtons(const RoundOffer& offer);

// The request a button or a hot key answers with.
enum class Answer { None, ResultOk, ChamgiOk, Chamgi, TournamentOk, Rechallenge, Tung };
// Whether the answer also closes the result (a chamgi answer waits for the server).
constexpr bool ClosesResult(Answer a)
{
    return a == Answer::ResultOk || a == Answer::TournamentOk || a == Answer::Rechallenge || a == Answer::Tung;
}
Answer AnswerOfButton(Button b);
enum class HotKey { Space, F1, F2, Other };
// Space and F1 take the first visible of OK, chamgi OK, tournament OK and an event OK; F2 the first
// of chamgi, rechallenge and tung.
Answer AnswerOfKey(HotKey key, const std::array<bool, kButtons>& visible);

// Whether the auto-start switch applies: a seated own user, no robot, no tournament room, and not
// an anti-leave room (kinds 8..10, setting 1..3) while the anti-leave flag is raised.
struct AutoStartRoom {
    bool seated = false;
    bool robotSeated = false;
    int32_t roomKind = 0;
    int32_t antiLeaveSetting = 0;
    bool antiLeaveRaised = false;
};
bool AutoStartApplies(const AutoStartRoom& room);

// The event result's shared kind shows half of the amount, rounded toward zero.
constexpr int64_t HalfOfShare(int64_t amount) { return amount / 2; }

}  // namespace ResultRules
