#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The VIP helper's rules: how close the other player is to a scoring combination, the icons that
// say so, the own hand cards to hold, and the user's own alert after a time, games or money.
namespace VipRules {

// Flag word of a seat: the ribbon sets in the low three bits, godori 0x10, the gwang count above.
constexpr uint32_t kChungdanFlag = 0x1, kHongdanFlag = 0x2, kChodanFlag = 0x4, kGodoriFlag = 0x10;
constexpr uint32_t kGwangFlags[4] = {0x100, 0x200, 0x400, 0x800};  // two, three, four, five gwang

enum Icon { kGwangIcon, kGodoriIcon, kRibbonIcon, kIconCount };
constexpr int32_t kNoClip = -1;
// The clip of each icon for a flag word, kNoClip for an icon that stays hidden.
std::array<int32_t, kIconCount> IconClips(uint32_t flags);

// What the rule sees of the table, as card ids.
struct TableView {
    std::array<std::vector<int32_t>, 2> captured;  // each seat's captured cards, all piles
    std::vector<int32_t> hand;                     // the given seat's hand
    std::vector<int32_t> floor;
    std::array<int32_t, 12> monthState{};          // captured cards per month; 2 is tested
};

// A card nobody captured that the given seat cannot keep from the other player.
bool IsReachable(int32_t cardId, const TableView& table);
// The other player's flag word against the given seat.
uint32_t CombinationFlags(const TableView& table, int opponent, int given);
// The months of every missing card the other player could still complete a combination with.
std::vector<int32_t> HoldMonths(const TableView& table, int opponent, int given);
// Which of the own hand slots (at most ten) hold a card of one of the months.
std::vector<bool> HoldSlots(const std::vector<int32_t>& handIds, const std::vector<int32_t>& months);

// The user's alert: one of a time (minutes), a number of games or a money amount, counted from
// the base tick. Ticks are the module clock's milliseconds and wrap; differences are unsigned.
struct AlertShow {
    int32_t clip = 0;         // 0 half an hour, 1 another time, 2 games or money
    std::string first;        // empty for a time alert: the animation says it
    std::string second;
};

class AlertMachine {
public:
    static constexpr uint32_t kTextDelayMs = 500;
    static constexpr uint32_t kShowMs = 5000;

    // Keeps the first that applies of minutes, games and money; the base tick is now. A running
    // alert keeps its start, so its clearing also drops a games or money target set meanwhile.
    void SetAlert(uint32_t now, int32_t minutes, int32_t games, int64_t money);
    // A round end with the own money change; the alert to show, if one is due.
    std::optional<AlertShow> OnRoundEnd(uint32_t now, int64_t change);

    enum class StepAction { None, ShowTexts, Clear };
    // The tick: ShowTexts once the texts are due (when they are still hidden), Clear when the
    // alert is over (the minutes stay, so a time alert comes round again).
    StepAction Step(uint32_t now, bool textsPending);

    bool IsShowing() const { return showing; }
    int32_t GetMinutes() const { return minutes; }
    int32_t GetGamesTarget() const { return gamesTarget; }
    int64_t GetMoneyTarget() const { return moneyTarget; }

private:
    void Restart(uint32_t now);

    bool showing = false;  // a tick of 0 is a time like any other
    uint32_t startTick = 0;
    uint32_t baseTick = 0;
    int32_t minutes = 0;
    int32_t gamesCounted = 0;
    int32_t gamesTarget = 0;
    int64_t moneySum = 0;
    int64_t moneyTarget = 0;
};

constexpr int32_t kAlertTextWidth = 206;
// The left of the first alert text, the two texts centred in the alert's width.
int32_t CenteredTextLeft(int32_t firstWidth, int32_t secondWidth);

}  // namespace VipRules
