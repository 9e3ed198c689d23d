#include "views/core/NotifyTable.h"

#include <algorithm>
#include <array>

#include "foundation/core/Text.h"

namespace Notify {
namespace {

std::string Commas(int64_t money)
{
    std::string out;
    return FormatNumberWithCommas(out, money);
}

std::string Units(int64_t money)
{
    std::string out;
    return MoneyToUnitText(out, money, 2);
}

// "(스톱시 ...)" while stopping still wins money, else the score.
std::string StopOrScore(const NoticeArgs& args)
{
    if (args.money >= 0) return FormatText("(스톱시 %s)", Units(args.money).c_str());
    return FormatText("(현재 %d점)", args.a2);
}

bool IsGoStopKind(int kind)
{
    return kind == 19 || kind == 26 || kind == 28;
}

int NoticeLayout(int kind)
{
    if (kind == 6 || kind == 10 || kind == 11) return 2;
    if ((kind >= 7 && kind <= 9) || (kind >= 15 && kind <= 17) || kind == 25 || kind == 27) return 1;
    return 0;
}

int CaptionClip(int kind, const NoticeArgs& args, bool targetScore)
{
    switch (kind) {
    case 6:
    case 11: return 3;
    case 7: return targetScore ? 5 : 1;
    case 8:
        if (!targetScore) return 1;
        return args.a2 == 2 ? 6 : args.a2 == 3 ? 7 : -1;
    case 9:
    case 27: return targetScore ? 8 : 0;
    case 10: return 4;
    case 12: return 0;
    case 13:
    case 14: return 2;
    default: return -1;
    }
}

std::vector<LineText> NoticeLines(int kind, const NoticeArgs& args, bool targetScore)
{
    switch (kind) {
    case 7:
        if (targetScore) return {};
        return {{Line::Value, FormatText("(첫뻑: %s냥)", Commas(args.money).c_str())}};
    case 8:
        if (targetScore) return {};
        return {{Line::Value, FormatText("(%d번째: %s냥)", args.a2, Commas(args.money).c_str())}};
    case 9:
    case 27:
        if (targetScore) return {};
        return {{Line::Value, FormatText("(성공: %s냥)", Commas(args.money).c_str())}};
    case 10:
        if (args.money >= 0) return {};
        return {{Line::Value, FormatText("(스톱시 %s)", Units(args.money).c_str())}};
    case 15: return {{Line::Bet, FormatText("배팅 금액 : %s", Units(args.money).c_str())}};
    case 16:
    case 22:
    case 23:
    case 24: return {{Line::Bet, FormatText("%s 배팅", Units(args.money).c_str())}};
    case 19:
    case 26:
        if (targetScore) return {{Line::Value, FormatText("(현재 %d점)", args.a2)}};
        return {{Line::Value, StopOrScore(args)}};
    case 20:
        if (args.a2 == 7) return {{Line::Value, "옮길 경우 멍따(x2) 실패!"}};
        if (args.a2 == 18) return {{Line::Value, "옮길 경우 '고'(7점->6점)불가!"}};
        return {};
    case 21:
        return {{Line::SecondValue, FormatText("(%s -> %s)", Units(args.money).c_str(), Units(args.a2).c_str())}};
    case 28: return {{Line::GoStop, StopOrScore(args)}};
    default: return {};
    }
}

Buttons NoticeButtons(int kind, const NoticeArgs& args)
{
    // Kind 27 (a mission success) has no answer: buttons would leave a prompt nobody can close.
    if (kind < 18 || kind == 25 || kind == 27) return {};
    Buttons b{true, 0, 0, true};
    if (IsGoStopKind(kind)) {
        b.yesSet = args.goCount + 1;
        b.noSet = 1;
    } else if (kind == 22 || kind == 23) {
        b.yesSet = 12;
        b.noSet = 4;
    }
    return b;
}

void SetAnswers(NoticeView& v, int kind)
{
    const auto both = [&v](Request r) {
        v.yes = {r, 1, 0};
        v.no = {r, 0, 0};
    };
    if (kind == 18) both(Request::YesNoChoice);
    else if (IsGoStopKind(kind)) both(Request::GoOrStop);
    else if (kind == 20) both(Request::SeptAnimal);
    else if (kind == 21) both(Request::GameReady);
    else if (kind >= 22 && kind <= 24) {
        v.yes = {Request::Bet, 1, kind - 21};
        v.no = {Request::Bet, 0, 0};
    }
}

// Card rows of the choice kinds 0..5.
constexpr std::array<int, 6> kRowY = {85, 85, 85, 65, 80, 80};

int RowGap(size_t n)
{
    return n == 2 ? 36 : n == 3 ? 12 : n == 4 ? 3 : 0;
}

constexpr int kCardWidth = 36;

}  // namespace

std::optional<NoticeView> DescribeNotice(int kind, const NoticeArgs& args, const NotifyRoom& room)
{
    if (kind < 6 || kind > 28) return std::nullopt;
    NoticeView v;
    v.layout = NoticeLayout(kind);
    v.caption = CaptionClip(kind, args, room.targetScore);
    v.lines = NoticeLines(kind, args, room.targetScore);
    v.betLinePos = kind == 15 || kind == 16 ? Point{30, 100} : Point{30, 80};
    v.buttons = NoticeButtons(kind, args);
    if (kind == 19 || kind == 26) {
        v.stopMark = room.targetScore && args.a6 != 0;
        v.sideMoneyMark = args.a7 != 0;
    }
    SetAnswers(v, kind);
    v.opensAtOnce = kind >= 12 && kind <= 14;
    return v;
}

std::optional<ChoiceView> DescribeChoice(int kind, const std::vector<int32_t>& cards, const NotifyRoom& room)
{
    if (kind < 0 || kind > 5 || cards.size() > static_cast<size_t>(kCardWindows)) return std::nullopt;
    ChoiceView v;
    v.cards = cards;
    v.layout = kind == 3 || kind == 5 ? 0 : 1;
    if (kind == 4) std::sort(v.cards.begin(), v.cards.end());
    if (kind == 3 && room.ownSeatPlays) {
        const bool desperateDecline = room.targetScore && room.targetScoreLevel != 0;
        v.buttons = {true, 11, desperateDecline ? 5 : 3, true};
        v.yes = {Request::MonthChoice, 1, 0};
        v.no = desperateDecline ? Reply{Request::DesperateDecline, 0, 0} : Reply{Request::MonthChoice, 0, 0};
    } else if (kind == 5) {
        // The player clicks a card; the disabled buttons still take F1 and F2.
        v.buttons = {true, 10, 2, false};
        v.yes = {Request::CardChoice, 0, 0};
        v.no = {Request::CardChoice, 1, 0};
    }
    v.sideMarks = kind == 0;
    v.opensAtOnce = kind == 4;

    const int n = static_cast<int>(v.cards.size());
    const int gap = RowGap(v.cards.size());
    int x = (239 - kCardWidth * n - (n - 1) * gap) / 2 + (kind == 0 ? -4 : 0);
    for (int i = 0; i < n; ++i, x += kCardWidth + gap) v.cardPos.push_back({x, kRowY[static_cast<size_t>(kind)]});
    return v;
}

std::optional<HandMission> FindHandMission(int id, int variant)
{
    static const HandMission kTable[kHandMissions][2] = {
        {{8, 28, "3월광,8월광 패조합"}, {0, 8, "1월광,3월광 패조합"}},
        {{8, 28, "3월광,8월광 패조합"}, {0, 28, "1월광,8월광 패조합"}},
        {{0, 8, "1월광,3월광 패조합"}, {36, 37, "10월 패 두장 조합"}},
        {{36, 37, "10월 패 두장 조합"}, {32, 33, "9월 패 두장 조합"}},
        {{32, 33, "9월 패 두장 조합"}, {0, 4, "1월,2월 패 조합"}},
        {{0, 4, "1월,2월 패 조합"}, {0, 12, "1월,4월 패 조합"}},
        {{0, 12, "1월,4월 패 조합"}, {0, 32, "1월,9월 패 조합"}},
        {{0, 32, "1월,9월 패 조합"}, {0, 36, "1월,10월 패 조합"}},
        {{0, 36, "1월,10월 패 조합"}, {12, 36, "4월,10월 패 조합"}},
        {{12, 36, "4월,10월 패 조합"}, {12, 20, "4월,6월 패 조합"}},
        {{0, 4, "1월,2월 패 조합"}, {13, 33, "4월,9월 패 조합"}},
        {{32, 33, "9월 패 두장 조합"}, {13, 32, "4월,9월 패 조합"}},
        {{32, 33, "9월 패 두장 조합"}, {12, 32, "4월 열끗,9월 열끗"}},
        {{12, 24, "4월 열끗, 7월 열끗"}, {0, 8, "1월광,3월광 패 조합"}},
        {{8, 24, "3월 광,7월 열끗"}, {32, 33, "9월 패 두장 조합"}},
    };
    if (id < 0 || id >= kHandMissions) return std::nullopt;
    return kTable[id][variant != 0 ? 1 : 0];
}

std::optional<HandMissionView> DescribeHandMission(int id, int variant, int64_t money)
{
    const std::optional<HandMission> mission = FindHandMission(id, variant);
    if (!mission) return std::nullopt;
    HandMissionView v;
    v.cards = {mission->first, mission->second};
    v.cardPos = {{79, 77}, {79 + 48, 77}};
    v.lines = {{Line::Upper, FormatText("(성공: %s냥)", Commas(money).c_str())}, {Line::Lower, mission->caption}};
    return v;
}

SoundId OpenSound(int kind)
{
    return StopsGoStopSound(kind) ? SoundId::NotifyGoStop : SoundId::BoxNotify;
}

bool StopsGoStopSound(int kind)
{
    return kind == 10 || IsGoStopKind(kind);
}

bool IsYesKeyKind(int kind)
{
    return kind >= 3 && kind <= 28;
}

}  // namespace Notify
