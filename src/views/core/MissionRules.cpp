#include "views/core/MissionRules.h"

#include "views/core/PanelLayout.h"
#include <algorithm>
#include <charconv>

namespace MissionRules {

namespace {

struct Row {
    const char* caption;
    std::vector<int> cards;
    int specialFrame;
};

std::vector<int> Month(int m)
{
    return {4 * (m - 1), 4 * (m - 1) + 1, 4 * (m - 1) + 2, 4 * (m - 1) + 3};
}

const std::array<Row, kSingleMissions>& SingleTable()
{
    static const std::array<Row, kSingleMissions> rows = {{
        {"이번판은 미션이 없습니다!", {}, 0},
        {"2월,4월,8월 열끗(고도리)", {4, 12, 29}, -1},
        {"6월,9월,10월 다섯끗(청단)", {21, 33, 37}, -1},
        {"1월,2월,3월 다섯끗(홍단)", {1, 5, 9}, -1},
        {"4월,5월,7월 다섯끗(초단)", {13, 17, 25}, -1},
        {"1월(솔)을 모두 모아라", Month(1), -1},
        {"2월(매화)을 모두 모아라", Month(2), -1},
        {"3월(벚꽃)을 모두 모아라", Month(3), -1},
        {"4월(흑싸리)을 모두 모아라", Month(4), -1},
        {"5월(난초)을 모두 모아라", Month(5), -1},
        {"6월(목단)을 모두 모아라", Month(6), -1},
        {"7월(홍싸리)을 모두 모아라", Month(7), -1},
        {"8월(공산)을 모두 모아라", Month(8), -1},
        {"9월(국진)을 모두 모아라", Month(9), -1},
        {"10월(단풍)을 모두 모아라", Month(10), -1},
        {"11월(오동)을 모두 모아라", Month(11), -1},
        {"12월(비)을 모두 모아라", Month(12), -1},
        {"5월,6월,7월 열끗", {16, 20, 24}, -1},
        {"10월 열끗,12월 열끗과 다섯끗", {36, 45, 46}, -1},
        {"7월,10월,12월 열끗", {24, 36, 45}, -1},
        {"1월,3월,8월 광", {0, 8, 28}, -1},
        {"1월,11월,12월 광", {0, 40, 44}, -1},
        {"3월,8월,12월 광", {8, 28, 44}, -1},
        {"1월,3월,11월 광", {0, 8, 40}, -1},
        {"8월,11월,12월 광", {28, 40, 44}, -1},
        {"9월 열끗,11월 쌍피,12월 쌍피", {32, 41, 47}, -1},
        {"띠(오끗) 8장 이상 모으기", {}, 1},
        {"열끗 7개 이상 모으기", {}, 8},
        {"쪽 2번 하기", {}, 2},
        {"2턴 연속으로 못먹기", {}, 3},
        {"뻑 2번 하기", {}, 5},
        {"판쓸 2번 하기", {}, 6},
        {"따닥 2번 하기", {}, 7},
        {"축! 미션 무조건 성공", {}, 4},
    }};
    return rows;
}

struct HandRow {
    Hand sides[2];
};

const std::array<HandRow, kHandMissions>& HandTable()
{
    static const std::array<HandRow, kHandMissions> rows = {{
        {{{"38광땡", {8, 28}}, {"13광땡_오른쪽", {0, 8}}}},
        {{{"38광땡", {8, 28}}, {"18광땡_오른쪽", {0, 28}}}},
        {{{"13광땡", {0, 8}}, {"장땡_오른쪽", {36, 37}}}},
        {{{"장땡", {36, 37}}, {"구땡_오른쪽", {32, 33}}}},
        {{{"구땡", {32, 33}}, {"알리_오른쪽", {0, 4}}}},
        {{{"알리", {0, 4}}, {"독사_오른쪽", {0, 12}}}},
        {{{"독사", {0, 12}}, {"구삥_오른쪽", {0, 32}}}},
        {{{"구삥", {0, 32}}, {"장삥_오른쪽", {0, 36}}}},
        {{{"장삥", {0, 36}}, {"장사_오른쪽", {12, 36}}}},
        {{{"장사", {12, 36}}, {"세륙_오른쪽", {12, 20}}}},
        {{{"알리", {0, 4}}, {"구사_오른쪽", {13, 33}}}},
        {{{"구땡", {32, 33}}, {"구사_오른쪽", {13, 33}}}},
        {{{"구땡", {32, 33}}, {"멍구사_오른쪽", {12, 32}}}},
        {{{"암행어사", {12, 24}}, {"13광땡_오른쪽", {0, 8}}}},
        // Spelt as the clip in the hand pictures is named.
        {{{"떙잡이", {8, 24}}, {"구땡_오른쪽", {32, 33}}}},
    }};
    return rows;
}

}  // namespace

std::optional<SingleMission> PlanSingleMission(int id, int multiplier, bool sevenPointRoom)
{
    if (id < 0 || id >= kSingleMissions) return std::nullopt;
    const Row& row = SingleTable()[static_cast<size_t>(id)];
    SingleMission m;
    m.caption = row.caption;
    m.cards = row.cards;
    m.specialFrame = row.specialFrame;
    if (id == 0 && sevenPointRoom) {
        m.caption.clear();
        m.specialFrame = 10;
        multiplier = 0;
    }
    m.multiplierFrame = MultiplierFrame(multiplier);
    return m;
}

int CardSpacing(int count)
{
    constexpr int kRoom = PanelLayout::kSingleMissionCardRoom;
    if (count * kCardWidth <= kRoom || count < 3) return kCardWidth;
    return kCardWidth - (count * kCardWidth - kRoom) / (count - 1);
}

int MultiplierFrame(int multiplier)
{
    return multiplier > 0 && multiplier <= kMaxMultiplier ? multiplier - 1 : -1;
}

bool IsBroken(const Captured& captured, int cardCount)
{
    const int n = std::clamp(cardCount, 0, kMaxMissionCards);
    bool onlyFirst = false;
    bool onlySecond = false;
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
        onlyFirst = onlyFirst || (captured[0][i] && !captured[1][i]);
        onlySecond = onlySecond || (captured[1][i] && !captured[0][i]);
    }
    return onlyFirst && onlySecond;
}

BrokenChange ApplyBrokenTest(int status, bool ownFailure, bool broken)
{
    if (broken && status == -1) return {1, true, true};
    if (!broken && status == 1 && ownFailure) return {-1, false, true};
    return {status, ownFailure, false};
}

std::optional<Hand> HandOf(int id, int side)
{
    if (id < 0 || id >= kHandMissions || side < 0 || side > 1) return std::nullopt;
    return HandTable()[static_cast<size_t>(id)].sides[side];
}

std::optional<int> ParseMusicVolume(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || end != last) return std::nullopt;
    if (error == std::errc::result_out_of_range) return (first < last && *first == '-') ? kSilence : 0;
    if (error != std::errc{}) return std::nullopt;
    return static_cast<int>(std::clamp<long long>(value, kSilence, 0));
}

int ClampMusicVolume(int volume)
{
    if (volume < kSliderMin + 1) return kSilence;
    return std::min(volume, 0);
}

}  // namespace MissionRules
