#include "table/core/TurnRules.h"

#include "table/core/CardModel.h"

namespace TurnRules {

namespace {

// The action popups by combination; the three- and four-gwang and bonus phrases share popup 1.
namespace Popup {
constexpr int Other = 1, FiveGwang = 3, Godori = 4, Chungdan = 5, Hongdan = 6, Chodan = 7;
}

bool ReachedNow(const AnnouncementInputs& in, int32_t special, int32_t count)
{
    const auto i = static_cast<size_t>(special);
    return in.after[i] != in.before[i] && in.after[i] == count;
}

// The month of a card id when it is a month card, else -1.
int32_t MonthOf(int32_t cardId)
{
    return cardId >= 0 && cardId < 4 * kBonusMonth ? cardId / 4 : -1;
}

}  // namespace

Announcement ChooseAnnouncement(const AnnouncementInputs& in)
{
    using namespace CardSpecial;
    if (ReachedNow(in, Gwang, 5)) return {VoiceCue::FiveGwang, Gwang, Popup::FiveGwang};
    if (ReachedNow(in, Godori, 3)) return {VoiceCue::Godori, Godori, Popup::Godori};
    if (ReachedNow(in, Gwang, 4)) return {VoiceCue::FourGwang, Gwang, Popup::Other};
    if (ReachedNow(in, Gwang, 3))
        return {!in.robot && in.rainGwang ? VoiceCue::RainThreeGwang : VoiceCue::ThreeGwang, Gwang, Popup::Other};
    if (ReachedNow(in, Chungdan, 3)) return {VoiceCue::Chungdan, Chungdan, Popup::Chungdan};
    if (ReachedNow(in, Hongdan, 3)) return {VoiceCue::Hongdan, Hongdan, Popup::Hongdan};
    if (ReachedNow(in, Chodan, 3)) return {VoiceCue::Chodan, Chodan, Popup::Chodan};
    if (!in.bonusFlag) return {};
    if (in.robot) return {VoiceCue::RobotBonus, -1, Popup::Other};
    if (in.bonusInPile) return {VoiceCue::BonusPi, -1, Popup::Other};
    return {};
}

MonthChoicePlan PlanMonthChoice(const MonthChoiceInputs& in)
{
    MonthChoicePlan plan;
    plan.playerChoice = in.bodyKind == 0 || in.bodyKind == 1;
    if (plan.playerChoice)
        plan.promptKind = in.ownChoice ? 3 : (in.bodyKind == 1 || in.ownSeated) ? 2 : 3;
    else
        plan.promptKind = in.listed.size() < 2 ? 1 : 0;

    if (plan.promptKind != 0) {
        const int32_t month = in.listed.empty() ? -1 : MonthOf(in.listed.front());
        if (month >= 0)
            for (int32_t i = 0; i < 4; ++i) plan.cards.push_back(month * 4 + i);
        return plan;
    }
    for (int32_t id : in.listed) {
        const int32_t month = MonthOf(id);
        if (month >= 0 && plan.cards.size() < 4) plan.cards.push_back(month * 4);
    }
    return plan;
}

}  // namespace TurnRules
