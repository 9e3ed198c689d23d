#include "scene/core/TitleButtonRules.h"

namespace TitleButtons {

namespace {

constexpr int32_t kShown = 1;
constexpr int32_t kEnabled = 16;

bool IsTournamentKind(int32_t kind)
{
    return (kind >= 20 && kind <= 26) || (kind >= 30 && kind <= 32);
}

bool IsTargetScoreKind(int32_t kind)
{
    return kind >= 40 && kind <= 43;
}

// Tournament rooms keep a seated player in the room once the game has begun.
HostAction TournamentLeave(const HostButtonFacts& f)
{
    return f.ownSeated && f.state != RoomState::Waiting ? HostAction::None : HostAction::Exit;
}

HostAction GiveUpAction(const HostButtonFacts& f)
{
    if (IsTournamentKind(f.roomKind)) {
        if (f.roundStarted && f.state == RoomState::Playing) return f.ownSeated ? HostAction::GiveUp : HostAction::Exit;
        return TournamentLeave(f);
    }
    if (IsTargetScoreKind(f.roomKind) && !f.robotSeated)
        return !f.ownSeated || f.desperateRoundFinished ? HostAction::Exit : HostAction::DesperateExit;
    return HostAction::None;
}

HostAction PlayAction(const HostButtonFacts& f)
{
    switch (f.state) {
    case RoomState::Waiting: return HostAction::Play;
    case RoomState::Playing: return f.ownSeated ? HostAction::Observe : HostAction::Play;
    case RoomState::RoundOver: return HostAction::Observe;
    default: return HostAction::None;
    }
}

}  // namespace

int32_t ControlValue(bool visible, bool enabled)
{
    if (!visible) return 0;
    return enabled ? kShown | kEnabled : kShown;
}

std::vector<HostControl> ControlRequests(const std::string& name, bool visible, bool enabled, int state)
{
    const bool exitPair = name == "exit";
    const std::string hostName = exitPair && state != 0 ? "giveup" : name;
    std::vector<HostControl> out;
    if (exitPair && visible) out.push_back({hostName == "exit" ? "giveup" : "exit", 0});
    out.push_back({hostName, ControlValue(visible, enabled)});
    return out;
}

PlayObservePlan PlanPlayObserve(const SeatFacts& f)
{
    PlayObservePlan plan;
    if (!f.show) {
        plan.steps = {{"play", false, false}, {"observe", false, false}};
        return plan;
    }
    if (f.ownSeated) {
        plan.steps = {{"play", f.observeReserved, f.observeReserved}, {"observe", !f.observeReserved, !f.observeReserved}};
        // A tournament game keeps the player seated: observe shows, but cannot be pressed.
        if (f.tournament && f.state != RoomState::Waiting) plan.steps[1] = {"observe", true, false};
        return plan;
    }
    plan.steps = {{"play", true, f.seatWithoutUser}, {"observe", false, false}};
    plan.joinBar = std::make_pair(true, f.seatWithoutUser);
    return plan;
}

std::vector<ButtonStep> PlanExit(const SeatFacts& f)
{
    if (f.tournament && f.ownSeated) {
        const bool giveUp =
            (f.roundStarted && f.state == RoomState::Playing) || f.state == RoomState::RoundOver;
        return {{"exit", f.show, f.show, giveUp ? 1 : 0}};
    }
    if (!f.show) return {{"exit", false, false}, {"cancelexit", false, false}};
    if (f.ownSeated && f.exitReserved) return {{"exit", false, false}, {"cancelexit", true, true}};
    return {{"exit", true, true}, {"cancelexit", false, false}};
}

HostAction DecideHostButton(const std::string& name, const HostButtonFacts& f)
{
    if (name == "observe") return HostAction::ConfirmObserve;
    if (name == "play") return PlayAction(f);
    if (name == "exit" || name == "cancelexit")
        return IsTournamentKind(f.roomKind) ? TournamentLeave(f) : HostAction::ConfirmExit;
    if (name == "giveup") return GiveUpAction(f);
    if (name == "option") return HostAction::OpenOption;
    if (name == "macro") return HostAction::Macro;
    if (name == "vip") return HostAction::OpenVip;
    return HostAction::None;
}

}  // namespace TitleButtons
