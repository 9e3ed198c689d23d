#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The restrict label, the daily play count and the ranking badge, decided apart from their widgets.
namespace CountRules {

// The anti-leave label's text.
struct RestrictInput {
    bool counting = false;     // the room's anti-leave flag
    bool robotSeated = false;
    bool countdown = false;
    bool seatFree = false;
    int32_t required = 0;
    int32_t played = 0;
};
// "%d판 남음" with what is left while counting ("마지막 판" at 1 or fewer), else with the required
// count; "옵션해제" once the count is off and no seat is free.
std::string RestrictText(const RestrictInput& in);

constexpr int32_t kDailyGames = 300;
constexpr int32_t kGaugeWidth = 38;
struct PlayCountView {
    std::string text;
    int32_t gaugeWidth = 0;
    int32_t refillImageSet = 0;
    bool operator==(const PlayCountView&) const = default;
};
// The games left of a day's count: nothing for a negative count; "무한" and a full gauge without a
// limit, with a pass or from 300 games on.
std::optional<PlayCountView> PlanPlayCount(int32_t count, int64_t freePlay, bool unlimited);
// The alert plays after a round with 0..5 games left.
bool ShowsLimitAlert(int32_t count);
// The chat notice of the limit; empty for users without a limit.
std::string LimitNotice(bool unlimited, int64_t freePlay);

// What a click on the refill button does.
enum class RefillAction { PcCafeBox, RefillPage, AfterLimitBox, ValidityBox };
struct RefillInput {
    int32_t imageSet = 0;
    bool unlimited = false;
    int64_t royal = 0, gold = 0, club = 0;
    int64_t freePlay = 0;
    int32_t dailyCount = 0;
};
RefillAction RefillClick(const RefillInput& in);
struct Box {
    std::string text;
    std::string title;
};
// The message box of a box action.
Box RefillBox(RefillAction action, const RefillInput& in);

// The ranking badge shows for 1.5 s; a level outside 1..20 shows no badge.
constexpr uint32_t kRankingShowMs = 1500;
constexpr int32_t kRankingLevels = 20;
bool ShowsLevelBadge(int32_t level);
std::string RankingPointsText(int32_t points);
bool RankingExpired(uint32_t shownAt, uint32_t now);

}  // namespace CountRules
