#include "scene/core/PromotionRules.h"

#include "foundation/core/Text.h"

namespace PromotionRules {

const std::array<int64_t, kJackpotClipCount> kJackpotAmounts = {
    1'000'000,   1'120'000,   2'150'000,   2'550'000,     3'255'000,     3'525'000,   12'500'000,
    112'300'000, 523'752'000, 1'254'500'000, 1'250'000,   1'850'000,     2'450'000,   3'340'000,
    5'880'000,   15'570'000,  123'500'000, 375'155'000,   1'243'450'000, 5'000'000'000,
};

std::optional<int32_t> JackpotClip(int64_t amount)
{
    for (size_t i = 0; i < kJackpotAmounts.size(); ++i)
        if (kJackpotAmounts[i] == amount) return static_cast<int32_t>(i);
    return std::nullopt;
}

int32_t GaugeFrame(int32_t progress)
{
    const int32_t f = progress % kGaugeFrames;
    return f < 0 ? f + kGaugeFrames : f;
}

bool AllSet(const std::array<int32_t, 3>& flags)
{
    return flags[0] != 0 && flags[1] != 0 && flags[2] != 0;
}

std::vector<std::string> EventNoticeLines(const EventState& state)
{
    std::vector<std::string> lines;
    if (state.JackpotRuns()) lines.push_back("[이벤트]`1120` 보너스잭팟! 15판만 치면 최고 50억냥이 터진다!`0020`");
    if (state.LuckyRuns())
        lines.push_back("[이벤트]`1120` 운수대통 이벤트 참여하고, 100%당첨 게임머니 받으세요!`0020`");
    else
        lines.push_back("[이벤트]`1120` 해당 채널로 이동하시면, 운수대통 응모권을 받을 수 있습니다.`0020`");
    return lines;
}

EventBanner ChooseEventBanner(const EventState& state, int32_t missionMode, int32_t roomKind, int coin)
{
    constexpr int32_t kKungjjakMode = 5;
    if (missionMode == kKungjjakMode) return EventBanner::None;
    const bool heads = (coin & 1) != 0;
    if (state.GaugeOn())
        return IsEventRoom(roomKind) && heads ? EventBanner::WinMoneyLimit : EventBanner::Jackpot;
    return IsEventRoom(roomKind) && heads ? EventBanner::WinMoneyLimit : EventBanner::Mission;
}

OwnJackpotOutcome ApplyOwnJackpotResult(EventState& state, const std::array<int32_t, 3>& flags,
                                        const JackpotSeatResult& seat)
{
    OwnJackpotOutcome out;
    state.jackpotFlags = flags;
    state.jackpotProgress = seat.progress;
    if (seat.stage == kEventOverCount) state.EndForUser();
    if (!state.JackpotRuns()) {
        out.gauge = GaugeAction::Stop;
        return out;
    }
    if (seat.stage < kEventOverCount && state.jackpotCount < kGaugeCountLimit) {
        if (seat.wonAmount <= 0 || seat.stage < 1 || seat.stage == state.jackpotCount) {
            out.gauge = GaugeAction::ShowFrame;
            out.gaugeFrame = GaugeFrame(seat.progress);
            return out;
        }
        if (seat.stage == kGaugeCountLimit)
            state.EndForUser();
        else
            state.jackpotCount = seat.stage;
        out.clip = JackpotClip(seat.wonAmount);
        if (out.clip) {
            std::string money;
            MoneyToUnitText(money, seat.wonAmount, 0);
            out.chatLine = FormatText("[이벤트]`1120` 축하합니다! 잭팟머니 %s 지급되었습니다.`0020`", money.c_str());
        }
    }
    if (seat.stage == kEventOverCount || state.jackpotCount >= kGaugeCountLimit) out.gauge = GaugeAction::Stop;
    return out;
}

std::string LuckyTicketLine(int32_t ticket)
{
    if (ticket <= 0) return {};
    return "[이벤트]`1120` 축하합니다! 운수대통 이벤트 응모권을 획득 하셨습니다.`0020`";
}

}  // namespace PromotionRules
