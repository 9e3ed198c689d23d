#include "table/core/EntryRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <numeric>

#include "foundation/core/Text.h"
#include "table/core/SnapshotRebuild.h"

namespace EntryRules {
namespace {

constexpr int32_t kHandLimit = 10;
constexpr int32_t kPickPositions = 12;
constexpr uint32_t kJoinQuestionMs = 5000;

std::string Money(int64_t amount)
{
    std::string out;
    return MoneyToUnitText(out, amount, 2);
}

Box Notice(const char* text, uint32_t ms)
{
    return Box{text, "", ms, kBoxTextColor};
}

std::string OutOfMoneyTitle(const std::string& detail, const ResultRoom& room)
{
    // A positive detail is the money the user holds, which says enough without a title.
    if (LeadingNumber(detail) > 0) return "";
    std::string out;
    if (IsTargetScoreRoom(room.roomKind))
        return Format(out, "[%s]이상 소지하셔야 합니다.", Money(std::max(room.customBet, MinimumBet(room.roomKind))).c_str());
    return Format(out, "[%s베팅 방] 입니다.", Money(room.stake).c_str());
}

void SetPrize(ResultPlan& plan, int32_t roomKind)
{
    if (roomKind == kSevenWinFinalRoomKind) plan.prizeTexts = {"57,600,000냥을 지급 받으셨습니다", "다시 한번 7승에 도전해 보세요!"};
    if (roomKind == kThreeWinFinalRoomKind) plan.prizeTexts = {"18억냥을 지급 받으셨습니다", "다시 한번 3승에 도전해 보세요!"};
    plan.waitMs = (plan.prizeTexts.empty() ? 0 : 2500) + 500;
}

// The box and tail of one code; the shared steps are added by the caller.
void PlanCode(ResultPlan& plan, int32_t code, const std::string& detail, bool fromJoin, const ResultRoom& room)
{
    std::string text;
    switch (code) {
    case 0: plan.tail = Tail::Observer; break;
    case 1:
        if (IsTournamentRoom(room.roomKind) && room.tournamentFinished) plan.tail = Tail::Leave;
        break;
    case 2: case 300: plan.tail = Tail::Leave; break;
    case 3: plan.box = Notice("EXITCODE_SEVERERROR 방에 입장할 수 없습니다. ", 3000); break;
    case 5: case 6:
        Format(text, "등급이 맞지 않아 방에 입장할 수 없습니다.\n%s채널로 이동하면 게임참여가 가능합니다.",
               StakeName(static_cast<int32_t>(LeadingNumber(detail)), room.roomKind).c_str());
        plan.box = Box{text, "", 5000, kBoxTextColor};
        break;
    case 7: plan.box = Notice("방에 입장할 수 없습니다. ", 3000); break;
    case 8:
        plan.forcedExitRequest = true;
        plan.box = Notice(" 강제퇴장 당한 방이므로 입장할 수 없습니다. ", 3000);
        break;
    case 9:
        plan.forcedExitRequest = true;
        plan.box = Notice(" 강제퇴장으로 방에서 나갑니다. ", 3000);
        break;
    case 10:
        plan.box = Box{"소지머니가 부족하여, 현재 채널에서 게임에 참여할 수 없습니다.\n금고인출, 리필, 게임몰을 이용하시거나,\n"
                       "대기실에서 ＂등급보험금받기＂를 이용하세요.",
                       OutOfMoneyTitle(detail, room), 5000, kBoxTextColor};
        if (!fromJoin) plan.tail = Tail::Observer;
        break;
    case 11:
        if (IsAntiLeaveRoom(room.roomKind, room.antiLeave))
            plan.box = Notice("먹튀방지금액 이상을 소지해야 게임에 참여할 수 있습니다.", 3000);
        break;
    case 12:
        plan.postCode = IsAntiLeaveRoom(room.roomKind, room.antiLeave) && room.antiLeaveCount > 0 ? 6 : 0;
        break;
    case 13:
        plan.box = Notice("빈 자리가 없습니다.", 5000);
        plan.tail = Tail::Observer;
        break;
    case 14:
        plan.box = Notice(" 서버와의 연결이 끊어져 게임을 종료합니다. \n 이번 게임의 결과가 저장되지 않을 수 있습니다. ", 6000);
        plan.tail = Tail::Leave;
        break;
    case 16: plan.box = Notice("죄송합니다.\n소지하신 머니가 너무 많아,\n해당채널에는 입장하실 수 없습니다.", 5000); break;
    case 19: plan.box = Notice(" 고스톱 토벨 클럽, 고스톱 토벨 골드 사용자만 생성할 수 있는 방입니다. ", 3000); break;
    case 20: plan.box = Notice(" 방 생성자와 방장이 일치하지 않습니다. ", 3000); break;
    case 21:
        plan.box = Notice(" 방장이 나가 더이상 이 방에서 게임을 진행할 수 없습니다.\n 다른방에 입장하셔서 고스톱 게임을 계속 즐기세요.", 3000);
        break;
    case 22: plan.box = Notice(" 고스톱머니가 부족하여 게임에 참여할 수 없습니다.", 3000); break;
    case 23:
        plan.box = Notice(" 어뷰징 의심으로 인해 게임에 더 이상 참여 하실 수 없습니다. ", 3000);
        plan.tail = Tail::Leave;
        break;
    case 24:
        plan.box = Notice("잠시 후 보다 안정적인 서비스 제공을 위한 솔랑 임시점검(정기점검)이 시작됩니다.\n"
                          "     고객님의 소중한 게임정보 보호를 위하여 자동으로 대기실로 이동됩니다.", 3000);
        break;
    case 103: plan.box = Notice(" 슈퍼맨 결제를 위해 채널로 이동합니다. ", 3000); break;
    case 202: {
        std::string stamp;
        Format(text, " \"뚝딱로봇\"의 유효기간(%s)이 지나 게임을 종료합니다.", FormatTimestampText(stamp, detail).c_str());
        plan.box = Box{text, "", 5000, kBoxTextColor};
        plan.tail = Tail::Leave;
        break;
    }
    case 207:
        plan.box = Notice(" 오늘 이용할 수 있는 판수 제한에 걸리셨습니다. \n 게임아이템이나 토벨 회원 서비스를 구매하시면 \n"
                          " 판수제한 해제 혜택을 이용하실 수 있습니다. ", 5000);
        plan.tail = Tail::Observer;
        break;
    case 208:
        plan.box = Notice(" 토너먼트 등급이 맞지 않아 방에 입장할 수 없습니다. ", 3000);
        plan.tail = Tail::Leave;
        break;
    case 209:
        plan.box = Notice(" 토너먼트 머니가 맞지 않아 방에 입장할 수 없습니다. ", 3000);
        plan.tail = Tail::Leave;
        break;
    case 210:
        plan.box = Notice(" 토너먼트에 참여 할 기회를 모두 사용하셨습니다. ", 5000);
        plan.setTournamentFinished = true;
        plan.tail = Tail::Leave;
        break;
    case 211: plan.waitMs = 500; break;
    case 212:
        SetPrize(plan, room.roomKind);
        plan.hostNotes.push_back({31, "24", ""});
        break;
    case 213:
        // Leave tells the host (kind 23) once after kind 34.
        plan.hostNotes.push_back({34, "24", ""});
        plan.setTournamentFinished = true;
        plan.tail = Tail::Leave;
        break;
    default: break;  // 4, 15, 17, 18, 101, 102, 201, 203..206 and unlisted codes end quietly
    }
}

}  // namespace

ResultPlan PlanEntryResult(int32_t code, const std::string& detail, bool fromJoin, const ResultRoom& room)
{
    ResultPlan plan;
    plan.alertSound = code > 1;
    PlanCode(plan, code, detail, fromJoin, room);
    if (plan.tail == Tail::Observer) return plan;
    if (plan.tail == Tail::Leave) {
        plan.hostNotes.push_back({23, "", ""});
        plan.postCode = 1;
    }
    plan.pendingRequest = room.pendingValue > 0;
    plan.moneyNotice = room.moneyNoticeShown && (room.royalValue <= 0 || room.moneyTotal < kMoneyNoticeLimit);
    if (plan.moneyNotice) plan.hostNotes.push_back({39, "24", ""});
    return plan;
}

std::string StakeName(int32_t index, int32_t roomKind)
{
    if (IsTargetScoreRoom(roomKind)) {
        if (index >= 0 && index <= 2) return "입문/초보/하수";
        if (index >= 3 && index <= 4) return "중수/고수";
        if (index >= 5 && index <= 8) return "선수이상";
        return "자유";
    }
    static const std::array<const char*, 9> kNames = {"점1천냥", "점3천냥", "점5천냥", "점1만냥", "점3만냥",
                                                      "점5만냥", "점30만냥", "점100만냥", "점300만냥"};
    if (index < 0 || index >= static_cast<int32_t>(kNames.size())) return kNames[0];
    return kNames[static_cast<size_t>(index)];
}

int64_t MinimumBet(int32_t roomKind)
{
    static const std::array<int64_t, 4> kMinimum = {1'000'000, 300'000, 1'000'000, 10'000'000};
    if (!IsTargetScoreRoom(roomKind)) return 0;
    return kMinimum[static_cast<size_t>(roomKind - 40)];
}

int64_t LeadingNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    uint64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value > static_cast<uint64_t>(INT64_MAX) / 10) return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 + static_cast<uint64_t>(text[i] - '0');
        if (value > static_cast<uint64_t>(INT64_MAX)) return negative ? INT64_MIN : INT64_MAX;
    }
    return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
}

std::optional<Box> JoinQuestion(const JoinRoom& room)
{
    if (!(room.robotSeated || room.playState == 1) || room.askBeforeJoining == 0) return std::nullopt;
    std::optional<Box> box;
    if (room.roomKind == kBasicRoomKind && room.freeChannel != 0) {
        box = Box{"선택하신 방이 맞는지 확인해 주세요.", "자유채널 점500만냥 방입니다.", kJoinQuestionMs, kWarningColor};
    } else if (IsTargetScoreRoom(room.roomKind) && room.noMinimumEntry == 1) {
        box = Box{"최소입장금액에 제한이 없는 방입니다. 참여 하시겠습니까?\n(상대와 베팅금액이 맞지 않아 불이익을 받을 수 있습니다.)",
                  "", kJoinQuestionMs, kBoxTextColor};
    }
    const bool antiLeave = IsAntiLeaveRoom(room.roomKind, room.antiLeave);
    const bool fast = room.gameSpeed == 2;
    const char* text = nullptr;
    if (antiLeave && fast)
        text = "먹튀방지방 및 게임속도가 빠른 방입니다. 참여하시겠습니까?\n(판수를 채우거나 올인시 먹튀방지옵션이 해제됩니다.)";
    else if (antiLeave)
        text = "먹튀방지 방입니다. 참여하시겠습니까?\n(판수를 채우거나 올인시 먹튀방지옵션이 해제됩니다.)";
    else if (fast)
        text = "게임속도가 빠른 방입니다. 참여하시겠습니까?";
    if (text) {
        if (!box) box = Box{"", "", kJoinQuestionMs, kBoxTextColor};
        box->text = text;
    }
    return box;
}

std::optional<int32_t> TournamentTitleFrame(int32_t roomKind)
{
    if (IsSevenWinTournamentRoom(roomKind)) return roomKind - kFirstSevenWinRoomKind;
    if (IsThreeWinTournamentRoom(roomKind)) return roomKind - kFirstThreeWinRoomKind + 7;
    return std::nullopt;
}

SnapshotCheck CheckSnapshot(const GameDataTable& table)
{
    size_t total = table.floor.size();
    for (const PlayerData& p : table.players) {
        if (p.hand.size() > static_cast<size_t>(kHandLimit)) return SnapshotCheck::HandTooLarge;
        total += p.gwangPile.size() + p.animalPile.size() + p.ribbonPile.size() + p.piPile.size() + p.hand.size();
    }
    if (total > static_cast<size_t>(kCardCount)) return SnapshotCheck::TooManyCards;
    std::vector<int32_t> deck(kCardCount);
    std::iota(deck.begin(), deck.end(), 0);
    const bool placed = RebuildFloor(table.floor, table.bonusCards, table.lastFloorCard, deck).result != RebuildResult::BonusWithoutPlace;
    return placed ? SnapshotCheck::Ok : SnapshotCheck::BonusWithoutPlace;
}

int32_t PickCardCount(int32_t count, size_t listLength)
{
    const size_t bound = std::min(listLength, static_cast<size_t>(kPickPositions));
    return std::clamp(count, 0, static_cast<int32_t>(bound));
}

}  // namespace EntryRules
