#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vipdialog/core/CTPairVector.h"

// The VIP dialog's rules without windows: its controls, the radio groups and what a click does to
// them, the numeric edits, the alert amount, the statistics texts and the window's shape.
namespace VipDialogRules {

enum ControlId : int32_t {
    kExit = 1,  // also IDOK
    kStat1 = 200, kStat2 = 201, kStat3 = 202, kStat4 = 203,
    kFirstOff = 220, kFirst30 = 221, kFirst60 = 222,
    kSecondOff = 223, kSecond30 = 224, kSecondTyped = 225, kSecondEdit = 226,
    kMoneyOff = 227, kMoneyOn = 228, kMoneyHigh = 229, kMoneyLow = 230,
    kAlertOff = 240, kAlertOn = 241,
    kClose = 250, kApply = 251, kShopOption = 252, kShopNormal = 253,
};
enum BackImage : int32_t { kGameImage = 0, kOptionImage = 1, kNormalImage = 2, kMoneyImage = 4 };

constexpr int64_t kMoneyUnit = 10000;
constexpr int32_t kEditMin = 0;
constexpr int32_t kEditMax = 9999;
constexpr int32_t kEditMaxChars = 4;

// A radio group's members, in the order joined.
using RadioGroup = std::vector<int32_t>;
struct RadioRecord {
    RadioGroup group;
};
// Each member with a record gets the whole list (its own id included); an id without a record is
// skipped but stays in the others' lists. A list that starts with -1 changes nothing.
template <class Rec>
void JoinRadioGroup(CTPairVector<int32_t, Rec>& table, const std::vector<int32_t>& idsClosedByMinusOne)
{
    RadioGroup ids;
    for (int32_t id : idsClosedByMinusOne) {
        if (id == -1) break;
        ids.push_back(id);
    }
    for (int32_t id : ids)
        if (Rec* rec = table.FindRecord(id)) rec->group = ids;
}

// What checking a radio button does to the others: groups put back on their first member, and
// edits enabled or disabled.
struct RadioEffect {
    std::vector<int32_t> resetGroups;  // the first id of each group reset
    std::vector<std::pair<int32_t, bool>> enable;
};
RadioEffect OnRadioChecked(int32_t id);

// A key typed into a numeric edit, judged on the text it would make.
struct EditState {
    std::string text;
    int32_t selStart = 0;  // the caret when nothing is selected
    int32_t selEnd = 0;
};
enum class EditVerdict { Accept, RefuseChar, RefuseValue };
EditVerdict JudgeEditKey(const EditState& edit, char key, int32_t minValue, int32_t maxValue);
// A pasted or set text is taken only when it is all digits and in range.
bool IsAcceptableEditText(const std::string& text, int32_t minValue, int32_t maxValue);
// An edit's number held to the limits; no digits count as 0.
int32_t ClampEditNumber(const std::string& text);

// (high x 10000 + low) x 10000, each held to 0..9999, in 64 bits.
int64_t AlertAmount(int32_t high, int32_t low);
struct AmountParts {
    int64_t high = 0;
    int64_t low = 0;
};
AmountParts SplitAlertAmount(int64_t amount);

// The alert's three values as the radio groups give them.
int32_t FirstValueOf(int32_t checkedId);
int32_t RadioOfFirstValue(int32_t value);
int32_t RadioOfSecondValue(int32_t value);

const char* GameName(int32_t gameNumber);
struct Statistics {
    uint32_t playSeconds = 0;
    uint32_t wins = 0;
    uint32_t losses = 0;
    int64_t ownMoney = 0;
    int64_t moneyChange = 0;
};
// The texts of 200, 201, 202 and 203.
std::array<std::string, 4> StatisticsTexts(int32_t gameNumber, const Statistics& s);

// What the gates show and enable.
struct ControlState {
    int32_t id = 0;
    bool shown = false;
    bool enabled = false;
    bool operator==(const ControlState&) const = default;
};
struct GatePlan {
    std::vector<ControlState> controls;
    std::array<bool, 5> imageShown{};  // by background index
};
GatePlan PlanForGates(const std::array<int32_t, 3>& gates, bool typedChecked, bool moneyOnChecked);

// The window's shape: runs of pixels that are not the key colour, row by row.
constexpr uint32_t kKeyColor = 0x00FF00FF;   // COLORREF
constexpr uint32_t kKeyTolerance = 0x00101010;
constexpr size_t kRegionBatch = 2000;
struct RowRun {
    int32_t left = 0;
    int32_t right = 0;  // exclusive
    int32_t y = 0;
    bool operator==(const RowRun&) const = default;
};
// Pixels are 0x00RRGGBB, rows top-down.
bool IsKeyPixel(uint32_t rgb);
std::vector<RowRun> OpaqueRuns(const uint32_t* pixels, int32_t width, int32_t height);
// The runs in batches of at most kRegionBatch each.
std::vector<std::vector<RowRun>> BatchRuns(const std::vector<RowRun>& runs);

}  // namespace VipDialogRules
