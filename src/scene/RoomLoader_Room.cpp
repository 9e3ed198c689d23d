#include "scene/RoomLoader.h"

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

bool RoomLoader::AddLoadedButton(CVPSPPushBtn*& slot, CVPSPPushBtn* made)
{
    slot = made;
    return scene.AddLoaded(made);
}

// The restrict-option panel, the invite panel, the robots' avatars and the marks of the two avatar points.
bool RoomLoader::LoadAvatars(WidgetFactory& factory)
{
    if (!scene.AddLoaded(scene.periphery.restrictOption = CreateRestrictOptionWnd())) return false;
    EntryWidgets& w = scene.entryWidgets;
    GVQZSWnd* inviteBack = factory.CreateQZSWnd("Avatar\\invite_back.qzs", {729, 25}, Visible::No);
    w.inviteBack = inviteBack;
    if (!scene.AddLoaded(inviteBack)) return false;
    if (!AddLoadedButton(scene.roomButtons.invite,
                   factory.CreatePSPPushBtn("Avatar\\invite_btn.psp", kInviteButtonPoint, Visible::No, 1)))
        return false;
    for (size_t i = 0; i < w.robotAvatars.size(); ++i) {
        w.robotAvatars[i] =
            factory.CreateAnimWnd(FormatText("Avatar\\robot_avatar%d.gif", static_cast<int>(i)), kAvatarPoint[1], kAvatarSize);
        if (!scene.AddLoaded(w.robotAvatars[i])) return false;
    }
    AvatarMarks& m = scene.avatarMarks;
    for (size_t slot = 0; slot < 2; ++slot) {
        const Point at = kAvatarPoint[slot];
        if (!scene.AddLoaded(m.disconnected[slot] = factory.CreateQZSWnd("Avatar\\disconnect.qzs", at, Visible::No)))
            return false;
        // In the avatar's top-right and bottom-right corners.
        GVQZSWnd* voiceOff = factory.CreateQZSWnd("Avatar\\voiceoff.qzs", at, Visible::No);
        if (!scene.AddLoaded(m.voiceOff[slot] = voiceOff)) return false;
        const Size voiceSize = voiceOff->GetFrameSize(0);
        voiceOff->SetPos(at + Point{kAvatarSize.cx - voiceSize.cx, 0});
        GVQZSWnd* blacklisted = factory.CreateQZSWnd("Avatar\\blacklist.qzs", at, Visible::No);
        if (!scene.AddLoaded(m.blacklisted[slot] = blacklisted)) return false;
        const Size listSize = blacklisted->GetFrameSize(0);
        blacklisted->SetPos(at + Point{kAvatarSize.cx - listSize.cx, kAvatarSize.cy - listSize.cy});
        if (!scene.AddLoaded(m.firstPlayer[slot] = factory.CreatePSPWnd("Avatar\\first_icon.psp", at, Visible::No)))
            return false;
    }
    return true;
}

// The nine-ten clip and the four round-start animations.
bool RoomLoader::LoadStartAnimations(WidgetFactory& factory)
{
    if (!scene.AddLoaded(scene.roomMarks.nineTenClip = factory.CreateQZSWnd("Hwatoo\\9ten_clip.qzs", kNineTenClipPoint, Visible::No)))
        return false;
    constexpr const char* kFiles[] = {"StartAni\\start_default.qza", "StartAni\\chamgi_1.qza", "StartAni\\chamgi_2.qza",
                                      "StartAni\\desperate.qza"};
    auto& starts = scene.entryWidgets.roundStart;
    for (size_t i = 0; i < starts.size(); ++i)
        if (!scene.AddRunning(starts[i] = factory.CreateQZAniWnd(kFiles[i], kStartAnimationPoint))) return false;
    GVQZAniWnd*& waiting = scene.roomWidgets.waitingAnimation;
    if (!scene.AddRunning(waiting = factory.CreateQZAniWnd("Etc\\waiting.qza", kWaitingPoint))) return false;
    waiting->Stop();
    return true;
}

bool RoomLoader::LoadAutoPlayNotice(WidgetFactory& factory)
{
    scene.roomMarks.autoPlayNotice = factory.CreatePSPWnd("GameFunction\\AutoAction\\notify.psp", {400, 386}, Visible::No);
    if (!scene.AddLoaded(scene.roomMarks.autoPlayNotice)) return false;
    return AddLoadedButton(scene.roomButtons.autoPlayCancel,
                     factory.CreatePSPPushBtn("GameFunction\\AutoAction\\cancelbtn.psp", {468, 458}, Visible::No, 1));
}

// The money-return panel with its four lines, then the decision countdown.
bool RoomLoader::LoadMoneyReturnAndCountdown(WidgetFactory& factory)
{
    MoneyWidgets& m = scene.moneyWidgets;
    m.returnBack = factory.CreateQZSWnd("GameRule\\moneyreturn_back.qzs", kMoneyReturnPoint, Visible::No);
    if (!scene.AddLoaded(m.returnBack)) return false;
    for (size_t i = 0; i < m.returnTexts.size(); ++i) {
        const auto& line = kMoneyReturnLines[i];
        m.returnTexts[i] = factory.CreateTextWnd(line.text, kMoneyReturnPoint + line.offset, line.size, 12, 700,
                                                 line.colorRef);
        if (!scene.AddLoaded(m.returnTexts[i])) return false;
        m.returnTexts[i]->Show(false);
    }
    const Point at = CountdownPosition(0).value_or(Point{});
    return scene.AddRunning(scene.roomWidgets.countdownAnimation = factory.CreateQZAniWnd("GameProcess\\countdown.qza", at));
}

// The betting rooms' widgets, ended by a box over the table.
bool RoomLoader::LoadBetting(WidgetFactory& factory)
{
    BettingWidgets& b = scene.betting;
    if (!scene.AddRunning(b.back = factory.CreateQZAniWnd("GameRule\\Betting\\back.qza", kBettingBackPoint))) return false;
    for (size_t i = 0; i < b.buttons.size(); ++i) {
        const int sets = i == 1 ? 2 : 1;
        if (!AddLoadedButton(b.buttons[i], factory.CreatePSPPushBtn(FormatText("GameRule\\Betting\\btn%d.psp", static_cast<int>(i)),
                                                              kBettingButtonPoint[i], Visible::No, sets)))
            return false;
    }
    b.text = factory.CreateTextWnd("", kBettingTextPoint, kBettingTextSize, 12, 700, 0xFFFFFF);
    if (!scene.AddLoaded(b.text)) return false;
    b.text->Show(false);
    for (size_t i = 0; i < b.kinds.size(); ++i)
        if (!scene.AddRunning(b.kinds[i] = factory.CreateQZAniWnd(FormatText("GameRule\\Betting\\kind%d.qza", static_cast<int>(i)),
                                                            kBettingKindPoint[i])))
            return false;
    b.dieWarning = factory.CreatePSPWnd("GameRule\\Betting\\diewarning.psp", kDieWarningPoint, Visible::No);
    if (!scene.AddLoaded(b.dieWarning)) return false;
    if (!scene.AddRunning(b.multiplier = factory.CreateQZAniWnd("GameRule\\Betting\\mul.qza", kBettingMultiplierPoint)))
        return false;
    b.tableCover = factory.CreateBoxWnd(Rect({0, 0}, kTableCoverSize), 0x000000, 0, Visible::No);
    return scene.AddLoaded(b.tableCover);
}

// The money-gift notice and its animations; the result window goes directly below the notice.
bool RoomLoader::LoadMoneyGift(WidgetFactory& factory)
{
    MoneyWidgets& m = scene.moneyWidgets;
    if (!scene.AddLoaded(m.winLimitMark = factory.CreatePSPWnd("Result\\winmoneylimit.psp", {478, 192}, Visible::No)))
        return false;
    m.giftNotice = factory.CreateQZAniWnd("Promotion\\Giftora\\notify.qza", kGiftNoticePoint);
    if (!scene.AddLoaded(m.giftNotice)) return false;
    if (scene.resultWidgets.result) scene.InsertWndAfter(m.giftNotice, scene.resultWidgets.result);
    if (!scene.AddRunning(m.giftAnimation = factory.CreateQZAniWnd("Promotion\\Giftora\\ani.qza", kGiftNoticePoint)))
        return false;
    m.giftAnimationOther = factory.CreateQZAniWnd("Promotion\\Giftora\\ani_other.qza", kGiftNoticePoint);
    return scene.AddLoaded(m.giftAnimationOther);
}

bool RoomLoader::LoadAutoRefill(WidgetFactory& factory)
{
    MoneyWidgets& m = scene.moneyWidgets;
    for (size_t slot = 0; slot < 2; ++slot) {
        const Point at = kRefillPoint[slot];
        if (!scene.AddRunning(m.refill[slot] = factory.CreateQZAniWnd("Promotion\\AutoRefill\\autorefill.qza", at)))
            return false;
        m.refillTexts[slot] = factory.CreateTextWnd("", at + kRefillTextOffset, kRefillTextSize, 12, 400, 0x758a74);
        if (!scene.AddLoaded(m.refillTexts[slot])) return false;
        m.refillTexts[slot]->Show(false);
    }
    return true;
}

// The jewel panel and its gain, then the first-player pick's widgets.
bool RoomLoader::LoadBijouAndPick(WidgetFactory& factory)
{
    if (!scene.AddLoaded(scene.periphery.bijou = CreateBijouWnd())) return false;
    if (!scene.AddRunning(scene.moneyWidgets.getBijou = factory.CreateQZAniWnd("Effect\\GetBijou.qza", {16, 415}))) return false;
    LoadTarget promotionTarget{scene, scene.roomWidgets.animations};
    if (!scene.promotion.CreateBanners(factory, promotionTarget)) return false;
    return LoadHandPick(factory);
}

// The user pop-up menu, the level and first-place marks and the on-the-hour animation.
bool RoomLoader::LoadMenuAndMarks(WidgetFactory& factory)
{
    if (!LoadUserOptionWnd()) return false;
    RoomButtons& b = scene.roomButtons;
    b.menuButtons.clear();
    for (size_t i = 0; i < b.popupMenu.size(); ++i) {
        const std::string file = FormatText("PopUpMenu\\popup%d.psp", static_cast<int>(i));
        if (!AddLoadedButton(b.popupMenu[i], factory.CreatePSPPushBtn(file, {0, 0}, Visible::No, kPopupImageSets[i])))
            return false;
        b.menuButtons.push_back(b.popupMenu[i]);
    }
    // Written "ETC" here, "Etc" on disk: the file system does not tell them apart.
    if (!scene.AddRunning(scene.roomMarks.gameLevel = factory.CreateQZAniWnd("ETC\\gamelevel.qza", kLevelPoint))) return false;
    // The VIP icons lie directly below the layer anchor: over the cards at rest, under a moving card.
    LoadTarget vipTarget{scene, scene.roomWidgets.animations};
    if (!scene.vip.Create(factory, vipTarget)) return false;
    scene.vip.AddIconsToScene(scene, scene.tableWidgets.layerAnchor);
    if (!scene.AddRunning(scene.roomMarks.firstPlace = factory.CreateQZAniWnd("Etc\\no1_gostop.qza", kFirstPlacePoint)))
        return false;
    return scene.AddRunning(scene.roomWidgets.hourlyAnimation = factory.CreateQZAniWnd("Etc\\hourly.qza", kHourlyPoint));
}

bool RoomLoader::LoadMoneyLimitTips(WidgetFactory& factory)
{
    MoneyWidgets& m = scene.moneyWidgets;
    if (!scene.AddLoaded(m.limitTooltip = factory.CreatePSPWnd("GameRule\\MoneyLimit\\tooltip.psp", kLimitTooltipPoint, Visible::No)))
        return false;
    m.limitTooltipAnimation = factory.CreateQZAniWnd("GameRule\\MoneyLimit\\tooltip.qza", kLimitTooltipPoint);
    if (!scene.AddRunning(m.limitTooltipAnimation)) return false;
    if (!scene.AddRunning(m.limitExplain = factory.CreateQZAniWnd("GameRule\\MoneyLimit\\explain.qza", kLimitTooltipPoint)))
        return false;
    return scene.AddLoaded(m.bombTooltip = factory.CreatePSPWnd("GameRule\\nubombtooltip.psp", kBombTooltipPoint, Visible::No));
}
