#include "views/core/SeatPanelRules.h"

#include <limits>

#include "foundation/core/Text.h"

namespace {

constexpr int kBigScoreFrom = 7;
constexpr int kBigScoreMultiplierFrom = 2;

// a - b, held at the ends of int64_t instead of overflowing on values from outside.
int64_t SaturatingDifference(int64_t a, int64_t b)
{
    int64_t d = 0;
    if (!__builtin_sub_overflow(a, b, &d)) return d;
    return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

int64_t SaturatingProduct(int64_t a, int64_t b)
{
    int64_t p = 0;
    if (!__builtin_mul_overflow(a, b, &p)) return p;
    return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

}  // namespace

int ScoreSkin(int skin)
{
    return skin == 1 ? 1 : 0;
}

ScoreView ChooseScoreView(int32_t goCount, int32_t points, int32_t multiplier, int64_t lastScore, int skin)
{
    ScoreView v;
    v.score = int64_t{goCount} + points;
    v.multiplier = multiplier;
    v.total = SaturatingProduct(v.multiplier, v.score);
    v.multiplierLine = multiplier > 1;
    if (v.score < 1) {
        v.blink = ScoreView::Blink::Stop;
        return v;
    }
    if (v.score >= kBigScoreFrom && multiplier >= kBigScoreMultiplierFrom) {
        v.bigScore = true;
        v.captionFrame = ScoreSkin(skin) + 1;
        // The blink belongs to the small score: it would flash those digits over the big ones.
        v.blink = ScoreView::Blink::Stop;
        return v;
    }
    v.smallScore = true;
    v.captionFrame = 0;
    if (v.score != lastScore) v.blink = ScoreView::Blink::Start;
    return v;
}

void ScoreBlink::Start()
{
    on = true;
    count = kToggles;
}

ScoreBlink::Action ScoreBlink::Step(uint32_t nowMs)
{
    if (!on) return Action::None;
    if (count < 1) {
        on = false;
        return Action::End;
    }
    // Unsigned difference: right across the clock's wrap.
    if (nowMs - lastToggleMs <= kIntervalMs) return Action::Wait;
    --count;
    lastToggleMs = nowMs;
    return Action::Toggle;
}

IconChange NextCounterIcon(int32_t shown, int32_t value, int32_t greatestValue)
{
    if (value <= shown) return {};
    if (value < 1 || value > greatestValue) return {IconChange::Kind::Hide};
    return {IconChange::Kind::Play, value - 1};
}

IconChange NextBakIcon(int32_t flag, bool iconShown)
{
    if (flag == 0) return {IconChange::Kind::Hide};
    if (iconShown) return {};
    return {IconChange::Kind::Play, 0};
}

AlertChange ChooseGoAlert(int32_t goCount, int32_t points, int32_t pointsWithGo)
{
    const int64_t score = int64_t{goCount} + points;
    if (pointsWithGo > score) return {AlertChange::Kind::Show, int64_t{pointsWithGo} + 1};
    if (pointsWithGo < score) return {AlertChange::Kind::Hide};
    return {};
}

int ReservationClip(int32_t leaveReserved, int32_t observeReserved, bool tournamentRoom)
{
    // A reserved leave decides even where it shows nothing (a tournament room).
    if (leaveReserved != 0) return tournamentRoom ? -1 : kLeaveReservedClip;
    return observeReserved != 0 ? kObserveReservedClip : -1;
}

std::string MoneyLineText(int64_t money, int64_t safeMoney)
{
    std::string text;
    MoneyToUnitText(text, money, 2);
    if (safeMoney > 0) text += "+";
    return text;
}

std::string MoneyChangeText(int64_t money, int64_t startMoney)
{
    const int64_t change = SaturatingDifference(money, startMoney);
    if (change == 0) return "변동머니";
    std::string text;
    return MoneyToUnitText(text, change, 2);
}

std::string TournamentTitleText(int32_t wins)
{
    return FormatText("%d회우승", wins);
}

int RankTitleIndex(int32_t rankLevel)
{
    if (rankLevel < 1 || rankLevel > kHighestRankLevel) return -1;
    return static_cast<int>((rankLevel - 1) * kRankTitleCount / kHighestRankLevel);
}
