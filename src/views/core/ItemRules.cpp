#include "views/core/ItemRules.h"

#include "foundation/core/Text.h"
#include "protocol/RoomCodes.h"
#include "table/core/TableLayout.h"

namespace ItemRules {

namespace {

constexpr const char* kNames[] = {"슈퍼맨", "아싸! 3고", "아싸! 4고", "아싸! 5고", "아싸! 5광", "아싸! 6고", "금고"};
constexpr const char* kPrices[6][kGrades] = {
    {"14억 7천만냥", "14억 7천만냥", "18억 3천만냥", "27억냥", "28억 5천만냥"},
    {"14억 9천만냥", "14억 9천만냥", "18억 4천만냥", "27억 1천만냥", "28억 7천만냥"},
    {"14억 9천만냥", "14억 9천만냥", "18억 4천만냥", "27억 1천만냥", "28억 7천만냥"},
    {"15억 6천만냥", "15억 6천만냥", "18억 7천만냥", "27억 5천만냥", "29억 1천만냥"},
    {"15억 6천만냥", "15억 6천만냥", "18억 9천만냥", "27억 8천만냥", "29억 4천만냥"},
    {"16억 1천만냥", "16억 1천만냥", "19억냥", "28억냥", "29억 6천만냥"},
};
// Superman, then assa items 1..5: other rooms, target-score rooms.
constexpr int32_t kChanceFrames[6][2] = {{0, 1}, {3, 3}, {10, 12}, {11, 13}, {9, 15}, {8, 14}};

int Index(Item item) { return static_cast<int>(item); }
bool IsAssa(Item item) { return Index(item) >= 1 && Index(item) <= 5; }

}  // namespace

const char* ItemName(Item item)
{
    return Index(item) >= 0 && Index(item) <= 6 ? kNames[Index(item)] : nullptr;
}

const char* ItemPrice(Item item, int32_t grade)
{
    if (grade < 0 || grade >= kGrades) return nullptr;
    if (item == Item::Safe) return "";
    return Index(item) >= 0 && Index(item) <= 5 ? kPrices[Index(item)][grade] : nullptr;
}

int32_t HostItemCode(Item item)
{
    if (item == Item::Superman) return kSupermanCode;
    return IsAssa(item) ? kAssaCode | (1 << (Index(item) - 1)) : 0;
}

int32_t ChanceFrame(Item item, bool targetRoom)
{
    return Index(item) >= 0 && Index(item) <= 5 ? kChanceFrames[Index(item)][targetRoom ? 1 : 0] : -1;
}

bool CanReserve(int32_t seat, Item item, int32_t grade, int32_t roomKind)
{
    if (seat < 0 || seat > 1 || grade < 0 || grade >= kGrades) return false;
    if (item == Item::Superman) return true;
    if (!IsAssa(item)) return false;
    return item != Item::Assa3Go || IsTargetScoreRoom(roomKind);
}

bool RaisesMark(Item held, Item item)
{
    return held == Item::None || Index(item) > Index(held);
}

std::string ReservationLine(const std::string& nickname, const std::string& userId, Item item, int32_t grade)
{
    const char* name = ItemName(item);
    const char* price = ItemPrice(item, grade);
    std::string out;
    return Format(out, "%s`1131`(%s)님 `0030`'%s'`0131`아이템(`0030`최고 %s`0131`) 예약! 게임방을 나가실 때 구매할 수 있습니다.`0030`",
                  nickname.c_str(), userId.c_str(), name ? name : "", price ? price : "");
}

std::string ChoiceText(int64_t amount)
{
    std::string out;
    if (amount >= 10000000 && amount <= 999999999) return MoneyToFullUnitText(out, amount);
    return MoneyToUnitText(out, amount, 2);
}

SafeChoices PlanSafeChoices(int64_t first, int64_t second, int64_t whole, int64_t limit)
{
    SafeChoices c;
    c.amounts = {first, second, whole};
    c.texts = {ChoiceText(first), ChoiceText(second), "전부출금"};
    MoneyToUnitText(c.tipText, whole, 2);
    for (int i = 0; i < kChoices; ++i) {
        const int64_t amount = c.amounts[static_cast<size_t>(i)];
        c.enabled[static_cast<size_t>(i)] = amount > 0 && amount <= limit;
        if (c.selected < 0 && c.enabled[static_cast<size_t>(i)]) c.selected = i;
    }
    return c;
}

int32_t TipWidth(const std::string& text)
{
    return static_cast<int32_t>(text.size()) * 7;
}

}  // namespace ItemRules

namespace ObserverRules {

PageState AfterHostResult(int32_t code, bool ok)
{
    constexpr int32_t kNeverGranted = 5;
    return ok && code != kNeverGranted ? PageState::Granted : PageState::None;
}

bool RefreshesItems(int32_t code)
{
    return code == ItemRules::kAssaCode || code == ItemRules::kSupermanCode;
}

std::string SafeText(int64_t safeMoney)
{
    std::string out;
    return safeMoney > 0 ? MoneyToUnitText(out, safeMoney, 2) : std::string("없음");
}

std::string PaymentText(int64_t payment, int64_t availability)
{
    std::string out;
    return payment > 0 && availability > 0 ? MoneyToUnitText(out, payment, 2) : std::string("없음");
}

bool SafeAndPaymentEnabled(int32_t roomKind)
{
    return !IsTournamentRoom(roomKind);
}

}  // namespace ObserverRules
