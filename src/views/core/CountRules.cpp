#include "views/core/CountRules.h"

#include "foundation/core/Text.h"

namespace CountRules {

std::string RestrictText(const RestrictInput& in)
{
    if (!in.counting && !in.seatFree) return "옵션해제";
    std::string out;
    if (in.counting && !in.robotSeated && in.countdown) {
        const int64_t left = int64_t{in.required} - in.played;
        return left > 1 ? Format(out, "%d판 남음", static_cast<int>(left)) : std::string("마지막 판");
    }
    return Format(out, "%d판 남음", in.required);
}

std::optional<PlayCountView> PlanPlayCount(int32_t count, int64_t freePlay, bool unlimited)
{
    if (count < 0) return std::nullopt;
    if (count > kDailyGames) count = kDailyGames;
    PlayCountView v;
    int32_t left = kDailyGames - count;
    if (unlimited || freePlay > 0 || count == kDailyGames) {
        v.text = "무한";
        left = kDailyGames;
    } else {
        Format(v.text, "%d", left);
    }
    v.gaugeWidth = left * kGaugeWidth / kDailyGames;
    v.refillImageSet = freePlay > 0 ? 1 : 0;
    return v;
}

bool ShowsLimitAlert(int32_t count)
{
    const int64_t left = int64_t{kDailyGames} - count;
    return left >= 0 && left <= 5;
}

std::string LimitNotice(bool unlimited, int64_t freePlay)
{
    if (unlimited || freePlay > 0) return {};
    std::string out;
    return Format(out,
                  "[알림]`1110` 별맞고와 달맞고는 판수제한 없이 무제한 이용 가능합니다. \n"
                  "    고스톱류 게임은 매일 통합 `0010`%d판`0111`까지 가능하며, \n"
                  "    매일 `0010`자정(24:00)`0111`에 `0010`%d판`0111`이 주어집니다.`0010`",
                  kDailyGames, kDailyGames);
}

RefillAction RefillClick(const RefillInput& in)
{
    if (in.imageSet == 0) return in.unlimited ? RefillAction::PcCafeBox : RefillAction::RefillPage;
    if (in.royal == 0 && in.club == 0 && in.gold == 0 && in.freePlay <= 0)
        return in.dailyCount >= kDailyGames ? RefillAction::AfterLimitBox : RefillAction::RefillPage;
    return RefillAction::ValidityBox;
}

Box RefillBox(RefillAction action, const RefillInput& in)
{
    std::string text;
    switch (action) {
    case RefillAction::PcCafeBox:
        Format(text, "고스톱 게임은 매일 통합 %d판까지 가능하나, \n솔랑 세린’PC방에서는 판수 걱정없이 \n무제한 게임을 이용할 수 있습니다.",
               kDailyGames);
        return {text, "솔랑 세린’PC방 무제한 게임이용"};
    case RefillAction::AfterLimitBox:
        Format(text,
               "고스톱류(별맞고, 맞고, 맞고라움, 고스톱) 게임은\n매일 통합 %d판까지 가능하나, 별맞고와 달맞고는 %d판 이후에도\n판수 걱정없이 무제한 게임을 이용할 수 있습니다.",
               kDailyGames, kDailyGames);
        return {text, "별맞고 무제한 게임 이용"};
    case RefillAction::ValidityBox: {
        if (in.royal > 0) text = "고스톱 토벨 로얄 이용기간 동안";
        else if (in.gold > 0) text = "고스톱 토벨 골드 이용기간 동안";
        else if (in.club > 0) text = "고스톱 토벨 클럽 이용기간 동안";
        else {
            std::string stamp;
            FormatTimestampText(stamp, FormatText("%I64d", static_cast<long long>(in.freePlay)));
            Format(text, "%s까지 ", stamp.c_str());
        }
        std::string rest;
        Format(rest, "\n고스톱류(맞고, 맞고라움, 고스톱) 게임에서 \n판수 걱정없이 무제한 게임을 이용할 수 있습니다.\n단, %d판 이후에도 별맞고와 달맞고는 계속 할 수 있습니다.",
               kDailyGames);
        return {text + rest, "유효 기간 알림"};
    }
    case RefillAction::RefillPage:
        break;
    }
    return {};
}

bool ShowsLevelBadge(int32_t level)
{
    return level >= 1 && level <= kRankingLevels;
}

std::string RankingPointsText(int32_t points)
{
    std::string out;
    return Format(out, "+%d점", points);
}

bool RankingExpired(uint32_t shownAt, uint32_t now)
{
    return now - shownAt > kRankingShowMs;
}

}  // namespace CountRules
