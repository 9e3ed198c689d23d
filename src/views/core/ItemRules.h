#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The item strip's reservations and safe choices, decided apart from its widgets.
namespace ItemRules {

enum class Item : int32_t { None = -1, Superman = 0, Assa3Go, Assa4Go, Assa5Go, Assa5Gwang, Assa6Go, Safe };
constexpr int32_t kGrades = 5;
constexpr int32_t kSupermanCode = 0x12000;
constexpr int32_t kAssaCode = 0x11000;

// "슈퍼맨", the five "아싸! ..." and "금고"; null outside.
const char* ItemName(Item item);
// The highest price of the item at a stake grade 0..4; null for another grade or item.
const char* ItemPrice(Item item, int32_t grade);
// The host's code of a reservable item: 0x12000 superman, 0x11000 with one bit per assa item; 0 else.
int32_t HostItemCode(Item item);
// The chance mark's frame of a reserved item (target-score rooms have their own); -1 for none.
int32_t ChanceFrame(Item item, bool targetRoom);

// Whether a reservation is taken: a seat 0..1, a grade 0..4, an assa item 1..5 (the 3-go one only
// in target-score rooms).
bool CanReserve(int32_t seat, Item item, int32_t grade, int32_t roomKind);
// Whether the mark changes to `item`: nothing reserved, or a higher item than the one held.
bool RaisesMark(Item held, Item item);
// The chat line of a reservation.
std::string ReservationLine(const std::string& nickname, const std::string& userId, Item item, int32_t grade);

// The safe's three withdrawal choices: two amounts and "전부출금".
constexpr int kChoices = 3;
struct SafeChoices {
    std::array<std::string, kChoices> texts;
    std::array<bool, kChoices> enabled{};
    std::array<int64_t, kChoices> amounts{};
    int selected = -1;  // the first enabled choice; -1 when none is
    std::string tipText;  // the whole amount
};
// A choice is enabled when its amount is above 0 and not above the limit.
SafeChoices PlanSafeChoices(int64_t first, int64_t second, int64_t whole, int64_t limit);
// The amount text of a choice: the digit words between 10,000,000 and 999,999,999.
std::string ChoiceText(int64_t amount);
// 7 pixels a character, 12 high.
int32_t TipWidth(const std::string& text);

}  // namespace ItemRules

// The observer bar's host pages and amounts.
namespace ObserverRules {

// The host-page state sent to the server: none, requested, granted.
enum class PageState : int32_t { None = 0, Requested = 1, Granted = 2 };
// The state after the host's answer; code 5 never grants.
PageState AfterHostResult(int32_t code, bool ok);
// The item answers refresh the item buttons.
bool RefreshesItems(int32_t code);
// Safe money above 0 in units, else "없음".
std::string SafeText(int64_t safeMoney);
// The payment amount when both it and the availability are above 0, else "없음".
std::string PaymentText(int64_t payment, int64_t availability);
// Safe and payment buttons act outside the tournament rooms (20..26, 30..32).
bool SafeAndPaymentEnabled(int32_t roomKind);

}  // namespace ObserverRules
