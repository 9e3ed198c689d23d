#include "views/core/UserOptionRules.h"

#include <climits>

#include "foundation/core/Text.h"
#include "table/core/RoundRules.h"
#include "table/core/TableLayout.h"

namespace UserOptionRules {

namespace {

constexpr int32_t kTargets[3] = {7, 50, 100};

bool IsAntiLeaveKind(int32_t kind) { return kind >= 8 && kind <= 10; }

// A leading sign and digits, the rest ignored; saturated at the 64-bit limits.
int64_t ReadDecimal(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (INT64_MAX - digit) / 10) return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string Money(int64_t amount)
{
    std::string out;
    return MoneyToUnitText(out, amount, 2);
}

std::string BetLine(int32_t kind, int64_t grade, int64_t betMoney)
{
    const int64_t bet = RoundRules::TargetScoreBet(kind, grade).value_or(betMoney);
    return "베팅금:" + Money(bet);
}

}  // namespace

int64_t HasOptionToken(std::string_view options, std::string_view key)
{
    while (!options.empty()) {
        const size_t bar = options.find('|');
        const std::string_view item = options.substr(0, bar);
        const size_t eq = item.find('=');
        if (eq != std::string_view::npos && item.substr(0, eq) == key) return ReadDecimal(item.substr(eq + 1));
        if (bar == std::string_view::npos) break;
        options.remove_prefix(bar + 1);
    }
    return 0;
}

bool HasRoomInfo(int32_t roomKind)
{
    return (roomKind >= 0 && roomKind <= 11) || IsTargetScoreRoom(roomKind);
}

int RoomLineCount(int32_t roomKind)
{
    return IsAntiLeaveKind(roomKind) ? 7 : 5;
}

std::array<std::string, kRoomRows> RoomInfoRows(const RoomInfo& room)
{
    std::array<std::string, kRoomRows> rows{};
    if (!HasRoomInfo(room.roomKind)) return rows;
    const int first = (kRoomRows - RoomLineCount(room.roomKind)) / 2;
    std::string text;
    rows[static_cast<size_t>(first)] = Format(text, "인원:%d", room.playerLimit);
    rows[static_cast<size_t>(first + 1)] =
        room.password.empty() ? std::string("비밀번호:설정안함") : "비밀번호:" + room.password;

    const std::string_view o = room.options;
    std::array<std::string, kRoomRows> lines{};
    size_t n = 0;
    auto add = [&](std::string line) {
        if (n < lines.size()) lines[n++] = std::move(line);
    };
    if (IsTargetScoreRoom(room.roomKind)) {
        add(room.noticedBet ? "베팅금:" + Money(*room.noticedBet)
                            : BetLine(room.roomKind, HasOptionToken(o, "FPMI"), HasOptionToken(o, "FPBM")));
        const int64_t target = HasOptionToken(o, "FPGP");
        if (target >= 0 && target <= 2) add(Format(text, "목표점수:%d점", kTargets[target]));
        add(HasOptionToken(o, "FPALM") == 0 ? "입장제한:베팅금 이상" : "입장제한:제한 없음");
    } else {
        add(room.entryLimit == 0 ? std::string("입장제한:제한없음") : "입장제한:" + Money(room.entryLimit));
        add("점당머니:" + Money(room.moneyPerPoint));
        if (IsAntiLeaveKind(room.roomKind))
            add(HasOptionToken(o, "PE") == 0 ? std::string("먹튀방지:설정안함")
                                             : Format(text, "먹튀방지:%d판", room.requiredGames));
        add(HasOptionToken(o, "UP30") != 0 ? "연령제한:30대이상" : "연령제한:제한없음");
        static const char* const kSpeeds[3] = {"게임속도:느림", "게임속도:보통", "게임속도:빠름"};
        const int64_t speed = HasOptionToken(o, "SM");
        if (speed >= 0 && speed <= 2) add(kSpeeds[speed]);
    }
    for (size_t i = 0, row = static_cast<size_t>(first + 2); i < n && row < rows.size(); ++i, ++row)
        rows[row] = lines[i];
    return rows;
}
}  // namespace UserOptionRules
