#include "scene/CMirelleVWS.h"

#include <string>

#include "foundation/core/Text.h"
#include "scene/LoadTarget.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVResultWnd.h"
#include "views/WidgetFactory.h"

namespace {

// The places and sizes the room's design leaves to us, in one table: the avatars sit in the right
// edge panel under each seat's player panel (screen slot 0 the own side).
constexpr Point kAvatarPoint[2] = {{716, 420}, {716, 96}};
constexpr Size kAvatarSize{62, 78};
constexpr Point kRefillPoint[2] = {{620, 380}, {620, 56}};
constexpr Point kRefillTextOffset{-20, 44};
constexpr Size kRefillTextSize{100, 20};
constexpr Point kInviteButtonPoint{735, 60};
constexpr Point kStartAnimationPoint{400, 260};
constexpr Point kWaitingPoint{400, 200};
constexpr Point kNineTenClipPoint{0, 0};
constexpr Point kMoneyReturnPoint{248, 225};
constexpr Point kBettingBackPoint{64, 401};
constexpr Point kBettingButtonPoint[3] = {{74, 440}, {154, 440}, {234, 440}};
constexpr Point kBettingTextPoint{74, 412};
constexpr Size kBettingTextSize{220, 14};
constexpr Point kBettingKindPoint[2] = {{84, 480}, {204, 480}};
constexpr Point kDieWarningPoint{90, 370};
constexpr Point kBettingMultiplierPoint{4, 206};
constexpr Size kTableCoverSize{800, 520};
constexpr Point kGiftNoticePoint{400, 300};
constexpr Point kLevelPoint{8, 577};
constexpr Point kFirstPlacePoint{400, 120};
constexpr Point kHourlyPoint{400, 240};
constexpr Point kLimitTooltipPoint{478, 168};
constexpr Point kBombTooltipPoint{408, 357};

// The money-return panel's lines: offset in the panel, size, colour and text.
constexpr struct {
    Point offset;
    Size size;
    uint32_t colorRef;
    const char* text;
} kMoneyReturnLines[4] = {
    {{20, 16}, {260, 14}, 0xFFFFFF, ""},
    {{20, 36}, {260, 14}, 0x02D7FF, ""},
    {{20, 56}, {120, 14}, 0xC0C0C0, "참기전머니"},
    {{140, 56}, {140, 14}, 0x02D7FF, ""},
};

// Pop-up entries 2 and 3 switch to a second image set.
constexpr int kPopupImageSets[4] = {1, 1, 2, 2};

}  // namespace

bool CMirelleVWS::AddLoadedButton(CVPSPPushBtn*& slot, CVPSPPushBtn* made)
{
    slot = made;
    return AddLoaded(made);
}

// The restrict-option panel, the invite panel, the robots' avatars and the marks of the two avatar points.
bool CMirelleVWS::LoadAvatars(WidgetFactory& factory)
{
    if (!AddLoaded(periphery.restrictOption = CreateRestrictOptionWnd())) return false;
    EntryWidgets& w = entryWidgets;
    GVQZSWnd* inviteBack = factory.CreateQZSWnd("Avatar\\invite_back.qzs", {729, 25}, Visible::No);
    w.inviteBack = inviteBack;
    if (!AddLoaded(inviteBack)) return false;
    if (!AddLoadedButton(roomButtons.invite,
                   factory.CreatePSPPushBtn("Avatar\\invite_btn.psp", kInviteButtonPoint, Visible::No, 1)))
        return false;
    for (size_t i = 0; i < w.robotAvatars.size(); ++i) {
        w.robotAvatars[i] =
            factory.CreateAnimWnd(FormatText("Avatar\\robot_avatar%d.gif", static_cast<int>(i)), kAvatarPoint[1], kAvatarSize);
        if (!AddLoaded(w.robotAvatars[i])) return false;
    }
    AvatarMarks& m = avatarMarks;
    for (size_t slot = 0; slot < 2; ++slot) {
        const Point at = kAvatarPoint[slot];
        if (!AddLoaded(m.disconnected[slot] = factory.CreateQZSWnd("Avatar\\disconnect.qzs", at, Visible::No)))
            return false;
        // In the avatar's top-right and bottom-right corners.
        GVQZSWnd* voiceOff = factory.CreateQZSWnd("Avatar\\voiceoff.qzs", at, Visible::No);
        if (!AddLoaded(m.voiceOff[slot] = voiceOff)) return false;
        const Size voiceSize = voiceOff->GetFrameSize(0);
        voiceOff->SetPos(at + Point{kAvatarSize.cx - voiceSize.cx, 0});
        GVQZSWnd* blacklisted = factory.CreateQZSWnd("Avatar\\blacklist.qzs", at, Visible::No);
        if (!AddLoaded(m.blacklisted[slot] = blacklisted)) return false;
        const Size listSize = blacklisted->GetFrameSize(0);
        blacklisted->SetPos(at + Point{kAvatarSize.cx - listSize.cx, kAvatarSize.cy - listSize.cy});
        if (!AddLoaded(m.firstPlayer[slot] = factory.CreatePSPWnd("Avatar\\first_icon.psp", at, Visible::No)))
            return false;
    }
    return true;
}

// The nine-ten clip and the four round-start animations.
bool CMirelleVWS::LoadStartAnimations(WidgetFactory& factory)
{
    if (!AddLoaded(roomMarks.nineTenClip = factory.CreateQZSWnd("Hwatoo\\9ten_clip.qzs", kNineTenClipPoint, Visible::No)))
        return false;
    constexpr const char* kFiles[] = {"StartAni\\start_default.qza", "StartAni\\chamgi_1.qza", "StartAni\\chamgi_2.qza",
                                      "StartAni\\desperate.qza"};
    auto& starts = entryWidgets.roundStart;
    for (size_t i = 0; i < starts.size(); ++i)
        if (!AddRunning(starts[i] = factory.CreateQZAniWnd(kFiles[i], kStartAnimationPoint))) return false;
    if (!AddRunning(roomWidgets.waitingAnimation = factory.CreateQZAniWnd("Etc\\waiting.qza", kWaitingPoint)))
        return false;
    roomWidgets.waitingAnimation->Stop();
    return true;
}

bool CMirelleVWS::LoadAutoPlayNotice(WidgetFactory& factory)
{
    roomMarks.autoPlayNotice = factory.CreatePSPWnd("GameFunction\\AutoAction\\notify.psp", {400, 386}, Visible::No);
    if (!AddLoaded(roomMarks.autoPlayNotice)) return false;
    return AddLoadedButton(roomButtons.autoPlayCancel,
                     factory.CreatePSPPushBtn("GameFunction\\AutoAction\\cancelbtn.psp", {468, 458}, Visible::No, 1));
}

// The money-return panel with its four lines, then the decision countdown.
bool CMirelleVWS::LoadMoneyReturnAndCountdown(WidgetFactory& factory)
{
    MoneyWidgets& m = moneyWidgets;
    m.returnBack = factory.CreateQZSWnd("GameRule\\moneyreturn_back.qzs", kMoneyReturnPoint, Visible::No);
    if (!AddLoaded(m.returnBack)) return false;
    for (size_t i = 0; i < m.returnTexts.size(); ++i) {
        const auto& line = kMoneyReturnLines[i];
        m.returnTexts[i] = factory.CreateTextWnd(line.text, kMoneyReturnPoint + line.offset, line.size, 12, 700,
                                                 line.colorRef);
        if (!AddLoaded(m.returnTexts[i])) return false;
        m.returnTexts[i]->Show(false);
    }
    const Point at = CountdownPosition(0).value_or(Point{});
    return AddRunning(roomWidgets.countdownAnimation = factory.CreateQZAniWnd("GameProcess\\countdown.qza", at));
}

// The betting rooms' widgets, ended by a box over the table.
bool CMirelleVWS::LoadBetting(WidgetFactory& factory)
{
    BettingWidgets& b = betting;
    if (!AddRunning(b.back = factory.CreateQZAniWnd("GameRule\\Betting\\back.qza", kBettingBackPoint))) return false;
    for (size_t i = 0; i < b.buttons.size(); ++i) {
        const int sets = i == 1 ? 2 : 1;
        if (!AddLoadedButton(b.buttons[i], factory.CreatePSPPushBtn(FormatText("GameRule\\Betting\\btn%d.psp", static_cast<int>(i)),
                                                              kBettingButtonPoint[i], Visible::No, sets)))
            return false;
    }
    b.text = factory.CreateTextWnd("", kBettingTextPoint, kBettingTextSize, 12, 700, 0xFFFFFF);
    if (!AddLoaded(b.text)) return false;
    b.text->Show(false);
    for (size_t i = 0; i < b.kinds.size(); ++i)
        if (!AddRunning(b.kinds[i] = factory.CreateQZAniWnd(FormatText("GameRule\\Betting\\kind%d.qza", static_cast<int>(i)),
                                                            kBettingKindPoint[i])))
            return false;
    b.dieWarning = factory.CreatePSPWnd("GameRule\\Betting\\diewarning.psp", kDieWarningPoint, Visible::No);
    if (!AddLoaded(b.dieWarning)) return false;
    if (!AddRunning(b.multiplier = factory.CreateQZAniWnd("GameRule\\Betting\\mul.qza", kBettingMultiplierPoint)))
        return false;
    b.tableCover = factory.CreateBoxWnd(Rect({0, 0}, kTableCoverSize), 0x000000, 0, Visible::No);
    return AddLoaded(b.tableCover);
}

// The money-gift notice and its animations; the result window goes directly below the notice.
bool CMirelleVWS::LoadMoneyGift(WidgetFactory& factory)
{
    MoneyWidgets& m = moneyWidgets;
    if (!AddLoaded(m.winLimitMark = factory.CreatePSPWnd("Result\\winmoneylimit.psp", {478, 192}, Visible::No)))
        return false;
    m.giftNotice = factory.CreateQZAniWnd("Promotion\\Giftora\\notify.qza", kGiftNoticePoint);
    if (!AddLoaded(m.giftNotice)) return false;
    if (resultWidgets.result) InsertWndAfter(m.giftNotice, resultWidgets.result);
    if (!AddRunning(m.giftAnimation = factory.CreateQZAniWnd("Promotion\\Giftora\\ani.qza", kGiftNoticePoint)))
        return false;
    m.giftAnimationOther = factory.CreateQZAniWnd("Promotion\\Giftora\\ani_other.qza", kGiftNoticePoint);
    return AddLoaded(m.giftAnimationOther);
}

bool CMirelleVWS::LoadAutoRefill(WidgetFactory& factory)
{
    MoneyWidgets& m = moneyWidgets;
    for (size_t slot = 0; slot < 2; ++slot) {
        const Point at = kRefillPoint[slot];
        if (!AddRunning(m.refill[slot] = factory.CreateQZAniWnd("Promotion\\AutoRefill\\autorefill.qza", at)))
            return false;
        m.refillTexts[slot] = factory.CreateTextWnd("", at + kRefillTextOffset, kRefillTextSize, 12, 400, 0x758a74);
        if (!AddLoaded(m.refillTexts[slot])) return false;
        m.refillTexts[slot]->Show(false);
    }
    return true;
}

// The jewel panel and its gain, then the first-player pick's widgets.
bool CMirelleVWS::LoadBijouAndPick(WidgetFactory& factory)
{
    if (!AddLoaded(periphery.bijou = CreateBijouWnd())) return false;
    if (!AddRunning(moneyWidgets.getBijou = factory.CreateQZAniWnd("Effect\\GetBijou.qza", {16, 415}))) return false;
    LoadTarget promotionTarget{*this, roomWidgets.animations};
    if (!promotion.CreateBanners(factory, promotionTarget)) return false;
    return LoadHandPick(factory);
}

// The user pop-up menu, the level and first-place marks and the on-the-hour animation.
bool CMirelleVWS::LoadMenuAndMarks(WidgetFactory& factory)
{
    if (!LoadUserOptionWnd()) return false;
    RoomButtons& b = roomButtons;
    b.menuButtons.clear();
    for (size_t i = 0; i < b.popupMenu.size(); ++i) {
        const std::string file = FormatText("PopUpMenu\\popup%d.psp", static_cast<int>(i));
        if (!AddLoadedButton(b.popupMenu[i], factory.CreatePSPPushBtn(file, {0, 0}, Visible::No, kPopupImageSets[i])))
            return false;
        b.menuButtons.push_back(b.popupMenu[i]);
    }
    // Written "ETC" here, "Etc" on disk: the file system does not tell them apart.
    if (!AddRunning(roomMarks.gameLevel = factory.CreateQZAniWnd("ETC\\gamelevel.qza", kLevelPoint))) return false;
    // The VIP icons lie directly below the layer anchor: over the cards at rest, under a moving card.
    LoadTarget vipTarget{*this, roomWidgets.animations};
    if (!vip.Create(factory, vipTarget)) return false;
    vip.AddIconsToScene(*this, tableWidgets.layerAnchor);
    if (!AddRunning(roomMarks.firstPlace = factory.CreateQZAniWnd("Etc\\no1_gostop.qza", kFirstPlacePoint)))
        return false;
    return AddRunning(roomWidgets.hourlyAnimation = factory.CreateQZAniWnd("Etc\\hourly.qza", kHourlyPoint));
}

bool CMirelleVWS::LoadMoneyLimitTips(WidgetFactory& factory)
{
    MoneyWidgets& m = moneyWidgets;
    if (!AddLoaded(m.limitTooltip = factory.CreatePSPWnd("GameRule\\MoneyLimit\\tooltip.psp", kLimitTooltipPoint, Visible::No)))
        return false;
    m.limitTooltipAnimation = factory.CreateQZAniWnd("GameRule\\MoneyLimit\\tooltip.qza", kLimitTooltipPoint);
    if (!AddRunning(m.limitTooltipAnimation)) return false;
    if (!AddRunning(m.limitExplain = factory.CreateQZAniWnd("GameRule\\MoneyLimit\\explain.qza", kLimitTooltipPoint)))
        return false;
    return AddLoaded(m.bombTooltip = factory.CreatePSPWnd("GameRule\\nubombtooltip.psp", kBombTooltipPoint, Visible::No));
}
