#include "views/core/TargetScoreRules.h"

#include <algorithm>

#include "foundation/core/Text.h"
#include "table/core/RoundRules.h"
#include "views/core/ScoreDetail.h"

namespace TargetScoreRules {

namespace {


// Doubling or tripling a bet stays far inside 64 bits for any bet below this.
constexpr int64_t kMaxBet = int64_t{1} << 60;

}  // namespace

std::optional<int64_t> BetOf(int32_t roomKind, int32_t betIndex, int64_t customBet)
{
    if (!IsTargetScoreRoom(roomKind) || betIndex < 0 || betIndex >= kBetIndexes) return std::nullopt;
    if (betIndex != 0 && betIndex != kBetIndexes - 1) return RoundRules::TargetScoreBet(roomKind, betIndex);
    if (customBet > 0) return customBet;
    return RoundRules::TargetScoreBet(roomKind, 1);
}

std::optional<int> TargetOf(int32_t targetIndex)
{
    constexpr int kTargets[] = {7, 50, 100};
    if (targetIndex < 0 || targetIndex > 2) return std::nullopt;
    return kTargets[targetIndex];
}

int GaugeFill(int score, int target)
{
    if (target <= 0) return 0;
    return static_cast<int>(std::clamp<int64_t>(int64_t{score} * kGaugeHeight / target, 0, kGaugeHeight));
}

void CountUp::Start(int from, int to, int steps)
{
    shown = from;
    score = to;
    step = (to - from) / std::max(steps, 1);
    left = steps;
}

bool CountUp::Advance()
{
    if (left <= 0) return false;
    --left;
    if (left == 0) {
        shown = score;
        return true;
    }
    shown = step >= 0 ? std::min(shown + step, score) : std::max(shown + step, score);
    return true;
}

std::array<bool, 3> Challenges(const ChallengeInput& in)
{
    if (in.forfeit || !in.ownSeated) return {};
    const int64_t bet = std::clamp<int64_t>(in.bet, 0, kMaxBet);
    const int64_t own = in.ownMoney;
    const int64_t other = in.opponentMoney;
    std::array<bool, 3> on{};
    if (in.otherRule) {
        on[0] = other > 2 * bet && own > kChallengeFloor;
        on[1] = other > 3 * bet && own > kChallengeFloor;
        on[2] = own > kChallengeFloor && other > kChallengeFloor;
    } else {
        on[0] = own > 2 * bet && other > 2 * bet;
        on[1] = own > 3 * bet && other > 3 * bet;
        on[2] = own > kChallengeFloor && other > own;
    }
    if (2 * bet > kChallengeCap) on[0] = false;
    if (3 * bet > kChallengeCap) on[1] = false;
    if (own > kChallengeCap) on[2] = false;
    return on;
}

std::optional<Viewed> ViewedSeat(uint32_t resultKind, int32_t winnerSeat, int ownSeat)
{
    const bool draw = resultKind == kDrawResult;
    if (!draw && (winnerSeat < 0 || winnerSeat > 1)) return std::nullopt;
    if (ownSeat == 0 || ownSeat == 1) {
        if (draw || ownSeat != winnerSeat) return Viewed{ownSeat, false};
        return Viewed{ownSeat, true};
    }
    if (draw || winnerSeat != 0) return Viewed{0, false};
    return Viewed{0, true};
}

std::string NextRoundText(int32_t drawCount)
{
    if (drawCount <= 0) return {};
    return FormatText("다음판 %d배", ScoreDetail::PowerOfTwo(drawCount));
}

int AddPoints(int before, int32_t roundPoints, int target)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t{before} + roundPoints, 0, std::max(target, 0)));
}

}  // namespace TargetScoreRules
