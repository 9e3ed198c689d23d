#pragma once

#include <cstdint>
#include <string>

#include "protocol/RoomCodes.h"

// What the seat panels show for a seat's records: the score panel's lines and blink, the counter
// and bak icons, the go alert and the player panel's texts. The panels only apply these choices.

// The score panel's picture for a round record.
struct ScoreView {
    int64_t score = 0;       // go count + points
    int64_t multiplier = 1;
    int64_t total = 0;       // multiplier x score
    bool smallScore = false;      // the score number and caption frame 0
    bool bigScore = false;        // the big digits, caption frame skin + 1 and the total line
    bool multiplierLine = false;  // shown for a multiplier above 1
    int captionFrame = -1;        // -1 when the caption is hidden
    enum class Blink { Keep, Start, Stop } blink = Blink::Keep;
};
ScoreView ChooseScoreView(int32_t goCount, int32_t points, int32_t multiplier, int64_t lastScore, int skin);

// The skin option as the score panels use it: 1, or 0 for any other value.
int ScoreSkin(int skin);

// The overlay that blinks a new small score: six toggles of its visibility, each more than 300 ms
// after the one before, then it hides. Started on a hidden overlay it shows three times.
class ScoreBlink {
public:
    static constexpr int kToggles = 6;
    static constexpr uint32_t kIntervalMs = 300;

    enum class Action { None, Wait, Toggle, End };

    void Start();
    void Stop() { on = false; }
    bool IsOn() const { return on; }
    // Per tick: None while off; else Toggle when the next toggle is due, End (hide, and off) after
    // the last one, Wait in between.
    Action Step(uint32_t nowMs);

private:
    bool on = false;
    int count = 0;
    uint32_t lastToggleMs = 0;
};

// The greatest value each counter icon has a clip for (value v shows clip v - 1).
constexpr int32_t kGoIconClips = 9;
constexpr int32_t kPpeokIconClips = 3;
constexpr int32_t kShakeBombIconClips = 4;

// What an icon does on an update.
struct IconChange {
    enum class Kind { Keep, Play, Hide } kind = Kind::Keep;
    int clip = -1;  // for Play
};
// A counter icon that last showed `shown`: only a greater value changes it, playing its clip when
// there is one and hiding the icon otherwise.
IconChange NextCounterIcon(int32_t shown, int32_t value, int32_t greatestValue);
// A bak icon: a set flag plays it unless it shows already; a clear flag hides it.
IconChange NextBakIcon(int32_t flag, bool iconShown);

// The go alert of the own seat: the score to exceed once go was declared.
struct AlertChange {
    enum class Kind { Keep, Show, Hide } kind = Kind::Keep;
    int64_t number = 0;  // for Show
};
AlertChange ChooseGoAlert(int32_t goCount, int32_t points, int32_t pointsWithGo);

// The player panel's reservation mark: the clip to play, or -1 for none.
constexpr int kLeaveReservedClip = 0;
constexpr int kObserveReservedClip = 1;
int ReservationClip(int32_t leaveReserved, int32_t observeReserved, bool tournamentRoom);

// The money line: the money in two Korean units, "+" after it when there is safe money.
std::string MoneyLineText(int64_t money, int64_t safeMoney);
// The money-change line: the change since the seat was taken, or "변동머니" when there is none.
std::string MoneyChangeText(int64_t money, int64_t startMoney);
// The title line of a tournament room: the tournament wins.
std::string TournamentTitleText(int32_t wins);
// The rank title shown for a rank level: levels 1..20 spread evenly over the nine titles (1-3 the
// first, 19-20 the last); -1 (no title) outside 1..20.
constexpr int kRankTitleCount = 9;
constexpr int32_t kHighestRankLevel = 20;
int RankTitleIndex(int32_t rankLevel);
