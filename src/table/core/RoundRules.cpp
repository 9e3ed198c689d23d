#include "table/core/RoundRules.h"

#include <algorithm>
#include <array>
#include <limits>

namespace RoundRules {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

int64_t SaturatingMul(int64_t a, int64_t b)
{
    int64_t out = 0;
    if (!__builtin_mul_overflow(a, b, &out)) return out;
    return (a < 0) != (b < 0) ? kMin : kMax;
}

bool IsRoom5To10(int32_t kind) { return kind >= 5 && kind <= 10; }
bool IsTargetScoreRoom(int32_t kind) { return kind >= 40 && kind <= 43; }

}  // namespace

GoStopAmount ComputeGoStopAmount(const GoStopInputs& in)
{
    GoStopAmount out;
    if (!in.ownSeated) return out;
    out.amount = SaturatingMul(SaturatingMul(in.pointValue, in.stake), in.total);
    if (IsRoom5To10(in.roomKind) && !in.robotSeated && out.amount > in.promptedMoney) {
        out.amount = in.promptedMoney;
        out.cappedByOwn = in.otherMoney > out.amount;
    }
    if (IsTargetScoreRoom(in.roomKind)) out.amount = 0;
    if (out.amount > in.otherMoney) out.amount = in.otherMoney;
    return out;
}

std::optional<int32_t> TargetScore(int32_t targetIndex)
{
    static constexpr std::array<int32_t, 3> kScores{7, 50, 100};
    if (targetIndex < 0 || targetIndex > 2) return std::nullopt;
    return kScores[static_cast<size_t>(targetIndex)];
}

GoStopPrompt ChooseGoStopPrompt(const GoStopInputs& in)
{
    const GoStopAmount stake = ComputeGoStopAmount(in);
    GoStopPrompt out;
    out.amount = stake.amount;
    const bool targetRoom = IsTargetScoreRoom(in.roomKind);
    const bool cappedByOther = !in.robotSeated && !targetRoom && stake.amount == in.otherMoney;
    if (targetRoom && !in.robotSeated) {
        out.kind = 19;
        out.flag = 1;
        // Short of the target the flag says whether the other player's money caps the amount.
        if (const auto target = TargetScore(in.targetIndex)) {
            const int64_t left = int64_t{*target} - in.seatScore - in.total;
            if (left > 0) out.flag = cappedByOther ? 1 : 0;
        }
    } else if (IsRoom5To10(in.roomKind) && !in.robotSeated && stake.cappedByOwn) {
        out.kind = 28;
        out.flag = cappedByOther ? 1 : 0;
    } else if (cappedByOther) {
        out.kind = 26;
        out.flag = 1;
    } else {
        out.kind = 19;
        out.flag = 0;
    }
    return out;
}

int GoVoiceCue(int32_t goCount, bool robot)
{
    constexpr int kFirstGo = 10000, kFiveGo = 10004, kSixGo = 10021, kSevenGo = 10022;
    if (goCount < 1) return 0;
    if (goCount <= 5) return kFirstGo + goCount - 1;
    if (robot) return kFiveGo;
    return goCount == 6 ? kSixGo : kSevenGo;
}

std::optional<int64_t> TargetScoreBet(int32_t roomKind, int64_t betKind)
{
    static constexpr int64_t kTable[4][3] = {
        {1000000, 10000000, 100000000},
        {300000, 500000, 1000000},
        {1000000, 5000000, 10000000},
        {10000000, 100000000, 300000000},
    };
    if (!IsTargetScoreRoom(roomKind) || betKind < 1 || betKind > 3) return std::nullopt;
    return kTable[roomKind - 40][betKind - 1];
}

int64_t NoticedBet(int32_t roomKind, int32_t betKind, int64_t amount)
{
    return TargetScoreBet(roomKind, betKind).value_or(amount);
}

int StakeLevel(int32_t roomKind, int32_t betKind, int64_t amount)
{
    const int64_t value = NoticedBet(roomKind, betKind, amount);
    if (value < 100000) return 0;
    if (value < 3000000) return 1;
    if (value < 30000000) return 2;
    if (value < 100000000) return 3;
    return 4;
}

int OpponentTurnSeconds(int seconds, int32_t timeouts)
{
    const int reduction = 3 * std::clamp(timeouts, 0, 2);
    return std::max(seconds - std::min(reduction, 5), 5);
}

std::optional<std::string> RoundNumberText(int32_t roundIndex)
{
    if (roundIndex < 0 || roundIndex > 98) return std::nullopt;
    return std::to_string(roundIndex + 1);
}

BetPromptPlan PlanBetPrompt(bool fromOwnUser, bool ownSeated, int32_t betKind)
{
    if (fromOwnUser || !ownSeated) return {15, false};
    if (betKind < 1 || betKind > 3) return {};
    return {21 + betKind, true};
}

int StakeConfirmKind(int32_t value0, int32_t value1, int ownSeat)
{
    if (value0 > 0 && value1 > 0) return 12;
    const int32_t own = ownSeat == 0 ? value0 : ownSeat == 1 ? value1 : 0;
    return own > 0 ? 14 : 13;
}

int CheckedSeat(int32_t seat)
{
    return seat == 0 || seat == 1 ? seat : -1;
}

bool IsEventPlayRoom(int32_t roomKind, bool robotSeated, bool ownSeated)
{
    return roomKind >= 5 && roomKind <= 10 && !robotSeated && ownSeated;
}

bool ShowsFirstTurnHint(int32_t roomKind, bool robotSeated, bool ownSeated, int32_t turnNumber)
{
    return turnNumber == 1 && IsEventPlayRoom(roomKind, robotSeated, ownSeated);
}

}  // namespace RoundRules
