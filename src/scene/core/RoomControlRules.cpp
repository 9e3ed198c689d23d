#include "scene/core/RoomControlRules.h"

#include <algorithm>

#include "foundation/core/Text.h"

namespace SceneRules {

namespace {

constexpr int64_t kForcedExitStakes = 7;
constexpr int32_t kStateResultShown = 3;
constexpr int32_t kStatePlaying = 2;

struct AutoPlayColumn {
    DecisionKind kind;
    int seconds;
};
constexpr AutoPlayColumn kAutoPlayTable[] = {
    {DecisionKind::GameReady, 2},   {static_cast<DecisionKind>(2), 2}, {DecisionKind::SunPick, 1},
    {DecisionKind::MonthChoice, 2}, {DecisionKind::PlayCard, 1},       {DecisionKind::YesNoChoice, 2},
    {DecisionKind::CardChoice, 2},  {DecisionKind::SeptAnimal, 2},     {DecisionKind::GoOrStop, 2},
    {DecisionKind::ResultItem, 10},
};

constexpr MacroPhrase kMacros[kMacroCount] = {
    {".....", 10054, 10055},
    {"안녕하세요. ^^/", 10041, 10041},
    {"축하합니다! ^^*", 10042, 10042},
    {"죄송합니다. T^T", 10043, 10043},
    {"조금만 빨리 부탁드립니다. ^^;", 10044, 10044},
    {"안녕히계세요. (__)", 10045, 10045},
    {"좋았어!! ^o^", 10046, 10047},
    {"슬프다.... T^T", 10048, 10049},
    {"한번만 봐주세요. _(__)_", 10050, 10051},
    {"^ㅠ^", 10052, 10053},
};

}  // namespace

int64_t ForcedExitCost(int32_t stake)
{
    return int64_t{std::max(stake, 0)} * kForcedExitStakes;
}

// The same rooms and seats as the popup menu's entry: the host's slot offers no way round it.
ForcedExitPlan PlanForcedExit(const ForcedExitInputs& in)
{
    if (!in.ownIsOwner || in.target < 0 || !in.ownSeated) return {};
    if (in.desperateRoom || (in.antiLeaveRestricted && in.targetSeated)) return {};
    if (in.targetReserved) return {ForcedExitStep::KickAtOnce, 0};
    if (in.roomState == kStateResultShown) return {};
    const int64_t cost = ForcedExitCost(in.stake);
    if (in.ownMoney - cost < cost) return {ForcedExitStep::TooLittleMoney, cost};
    return {ForcedExitStep::Ask, cost};
}

std::string ForcedExitQuestion(int64_t cost)
{
    std::string number;
    FormatNumberWithCommas(number, cost);
    return FormatText(" 고스톱 머니 %s냥이 강제퇴장 비용으로 지불됩니다. \n 강제퇴장 시키겠습니까? ", number.c_str());
}

ForcedExitAnswer AnswerForcedExit(int boxAnswer, int32_t roomState, bool tableSynced)
{
    // A question closed by its timer answers "no" in our box: no kick without a yes.
    if (boxAnswer != 1) return ForcedExitAnswer::Stop;
    if (roomState == kStateResultShown || (roomState == kStatePlaying && !tableSynced)) return ForcedExitAnswer::Refused;
    return ForcedExitAnswer::Kick;
}

int AutoPlayTableSeconds(DecisionKind kind)
{
    for (const auto& c : kAutoPlayTable)
        if (c.kind == kind) return c.seconds;
    return 0;
}

std::optional<int> AutoPlayRestartSeconds(const AutoPlaySwitch& s)
{
    if (s.on == s.wasOn || s.kind == DecisionKind::None) return std::nullopt;
    if (!s.ownTurn && s.kind != DecisionKind::MonthChoice) return std::nullopt;
    const int own = s.phaseSeconds + 1;
    return s.on ? std::min(AutoPlayTableSeconds(s.kind), own) : own;
}

const MacroPhrase* FindMacroPhrase(int index)
{
    if (index < 0 || index >= kMacroCount) return nullptr;
    return &kMacros[index];
}

MacroHeard PlanMacroHeard(int index, bool own, bool seated, bool voiceMuted)
{
    const MacroPhrase* phrase = FindMacroPhrase(index);
    if (!phrase) return {};
    MacroHeard heard;
    if (seated && !voiceMuted) heard.voiceCue = own ? phrase->ownVoice : phrase->otherVoice;
    heard.ownPhrase = own;
    return heard;
}

bool MacroControlAllowed(bool wanted, bool voicesOn, bool locked)
{
    return wanted && voicesOn && !locked;
}

}  // namespace SceneRules
