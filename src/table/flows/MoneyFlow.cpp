#include "table/flows/MoneyFlow.h"

#include "foundation/core/Text.h"
#include "protocol/CHostProxy.h"
#include "table/TableEngine.h"
#include "table/core/MoneyRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"

namespace {

constexpr uint32_t kWithdrawalKind = 6;
constexpr uint32_t kWithdrawalBoxMs = 2000;
constexpr uint32_t kCapBoxMs = 5000;
constexpr uint32_t kGainBannerMs = 1000;
// The money-return panel's line that carries the banner's text.
constexpr size_t kBannerLine = 1;
namespace Refill {
constexpr int32_t Gift = 1, Automatic = 2, AutomaticOther = 3;
}
constexpr uint32_t kReturnBoxMs = 3000;
// The host resolves the link to its extra-money page; the module names the page only.
constexpr char kCapLinkTarget[] = "money_cap";
constexpr char kCapLinkText[] = "[고스톱 머니총합 최고한도안내]";
constexpr int kLinkWeight = 400;

}  // namespace

void MoneyFlow::OnMoneyGained(const MoneyGained& body)
{
    gameInfo.missionMusic = 0;
    const bool giver = body.giverKey == ownUser.userKey;
    if (!giver && body.takerKey != ownUser.userKey) return;
    const std::string text = MoneyRules::GainBannerText(giver, giver ? body.giverAmount : body.takerAmount);
    for (int s = 0; s < 2; ++s) {
        PlayerInfo& p = records.GetPlayer(s);
        if (p.userKey == -1) continue;
        p.gameMoney = body.money[static_cast<size_t>(s)];
        stage.ShowSeatMoney(s);
    }
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    ShowGainBanner(text);
}

void MoneyFlow::ShowGainBanner(const std::string& text)
{
    GVQZSWnd* back = moneyWidgets.returnBack;
    GVTextWnd* line = moneyWidgets.returnTexts[kBannerLine];
    if (back) back->Show(true);
    if (line) {
        line->SetText(text);
        line->Show(true);
    }
    stage.SetDirty();
    stage.FlushRedraw();
    stage.Delay(kGainBannerMs);
    if (back) back->Show(false);
    if (line) line->Show(false);
    stage.FlushRedraw();
}

void MoneyFlow::OnSafeWithdrawal(const SafeWithdrawal& body)
{
    if (body.kind != kWithdrawalKind) return;
    const auto key = static_cast<int32_t>(body.userKey);
    const int seat = records.FindSeatByKey(key);
    if (seat < 0) return;
    PlayerInfo& p = records.GetPlayer(seat);
    p.gameMoney = MoneyRules::SaturatingAdd(p.gameMoney, body.amount);
    if (p.screenSlot == 0 || p.screenSlot == 1) stage.ShowSeatMoney(seat);
    stage.ReportSeatMoney();
    std::string amount;
    MoneyToUnitText(amount, body.amount, 2);
    stage.PrintChatText(FormatText("%s`1131`(%s)님이 `0030`금고`0130`에서 `0030`%s`0131`을 출금하셨습니다. `0030`",
                                   p.nickname.c_str(), p.userId.c_str(), amount.c_str()));
    if (key != ownUser.userKey) {
        stage.ShowMessageBox(FormatText(" %s(%s)님이 금고에서 출금 하셨습니다. ", p.nickname.c_str(), p.userId.c_str()),
                             BoxType::Ok, kWithdrawalBoxMs, "금고출금", kBoxTextColor);
    } else {
        records.lastWithdrawal = body.amount;
        records.moneyAfterWithdrawal = p.gameMoney;
    }
    stage.SetDirty();
}

void MoneyFlow::PrintCapNoticeOfOther(const PlayerInfo& p)
{
    stage.PrintChatText(FormatText(
        "    %s`1111`(%s)님은 `0010`고스톱 머니총합 한도`0110`를 `0010`초과`0111`하였습니다.`0010` \n",
        p.nickname.c_str(), p.userId.c_str()));
    CHostProxy(stage.GetHost()).PrintChatLink(kCapLinkText, kCapLinkTarget, kLinkWeight, 0);
}

void MoneyFlow::OnMoneyCapNotice(const MoneyCapNotice& body)
{
    const auto key = static_cast<int32_t>(body.userKey);
    const int seat = records.FindSeatByKey(key);
    if (seat < 0 || body.grade < 1) return;
    PlayerInfo& p = records.GetPlayer(seat);
    p.gameMoney = body.gameMoney;
    p.extraMoney = body.extraMoney;
    flows.entry.RefreshSeatInfo(seat);
    if (key != ownUser.userKey) {
        PrintCapNoticeOfOther(p);
        stage.ReportSeatMoney();
        return;
    }
    ownUser.gameMoney = body.gameMoney;
    ownUser.extraMoney = body.extraMoney;
    const auto text = MoneyRules::CapNoticeText(
        {body.grade, body.cap, body.extraMoney, body.deadline, body.gameMoney, ownUser.safeMoney});
    if (text) stage.ShowMessageBox(*text, BoxType::Ok, kCapBoxMs, "고스톱 머니총합 최고한도 초과", kBoxTextColor);
    stage.ReportSeatMoney();
}

void MoneyFlow::OnMoneyReturned(const MoneyReturned& body)
{
    if (!records.IsAntiLeaveRoom() || !controls.antiLeaveActive) return;
    if (static_cast<int32_t>(body.userKey) == ownUser.userKey || !records.IsUserSeated() || body.amount <= 0) return;
    std::string amount;
    FormatNumberWithCommas(amount, body.amount);
    stage.ShowMessageBox(FormatText("상대가 나가면서 획득한 머니 %s냥을 돌려주었습니다.", amount.c_str()), BoxType::Ok,
                         kReturnBoxMs, "", kBoxTextColor);
    gameInfo.missionMusic = 0;
}

void MoneyFlow::OnPlayCountUpdate(const PlayCountUpdate& body)
{
    if (static_cast<int32_t>(body.userKey) != ownUser.userKey) return;
    ownUser.freePlayValue = body.freePlayValue;
    ownUser.playLimitClass = static_cast<int32_t>(body.playLimitClass);
    ownUser.dailyPlayCount = static_cast<int32_t>(body.dailyPlayCount);
    flows.periphery.ShowPlayCount(false);
}

void MoneyFlow::OnRefillResult(const RefillResult& body)
{
    for (GVQZAniWnd* refill : moneyWidgets.refill) {
        if (!refill) continue;
        refill->Stop();
        stage.InvalidateWnd(refill);
    }
    stage.StopSoundId(SoundId::NotifyGoBak);
    if (body.kind == Refill::Gift)
        stage.PrintMoneyGiftNotice(body.giftAmount);
    else if (body.kind == Refill::Automatic || body.kind == Refill::AutomaticOther)
        stage.PrintRefillNotice(body.kind, body.refills);
}
