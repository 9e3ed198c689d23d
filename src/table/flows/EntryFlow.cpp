#include "table/flows/EntryFlow.h"

#include <algorithm>

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/core/HandHints.h"
#include "table/TableEngine.h"
#include "table/core/EntryRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVObserveSystemWnd.h"
#include "views/CVUserInfoWnd.h"

namespace {

constexpr uint32_t kClientVersion = 20110927;
constexpr uint32_t kOutOfDateBoxMs = 5000;
constexpr int32_t kFastRoomCardSpeed = 4;
constexpr const char* kRobotName = "맞고로봇";

}  // namespace

void EntryFlow::OnRoomEnterAnswer(const RoomEnterAnswer& body)
{
    if (body.clientVersion != kClientVersion) {
        // The own record is not copied yet: the body's key is the one to report.
        int32_t inOut = 0;
        stage.HostRequest(body.user.userKey, HostRequestCode::OutOfDate, 0, nullptr, &inOut);
        stage.ShowMessageBox("재실행하시면 최신버전을 다운 받을 수 있습니다.", BoxType::Ok, kOutOfDateBoxMs,
                       "현재 실행중인 별맞고 파일은 최신 버전이 아닙니다.", kBoxTextColor);
        stage.PostToHost(HostNotifyCode::Leave);
        return;
    }
    ownUser = body.user;
    if (ownUser.userKey <= 0) {
        stage.PostToHost(HostNotifyCode::Stay);
        return;
    }
    room.Clear();
    room = body.room;
    records.noticedBet.reset();
    flows.periphery.EnterJewels(body);
    stage.Promotions().SetEventState(body.promotion);
    stage.Promotions().ShowDefaultBanner(body.jewelSwitch == 0);
    flows.periphery.ShowPlayCount(false);
    entryState.entryValue = body.entryValue;
    stage.UpdateStakeText();
    room.seats.AssignScreenSlots(ownUser.userKey);
    gameInfo.ownerKey = static_cast<int32_t>(body.ownerKey);
    ShowSeatMarks();

    std::string hostText;
    Format(hostText, "%s", body.hostText.c_str());
    int32_t length = static_cast<int32_t>(hostText.size());
    stage.HostRequest(0, HostRequestCode::PassText, 0, hostText.data(), &length);
    if (body.playLimitCount > 0) {
        std::string line;
        stage.PrintChatText(Format(line, "%s`1111`(%s)님은 오늘 `0010`%d판`0111` 이상 플레이할 수 없습니다.`0010`",
                             ownUser.nickname.c_str(), ownUser.userId.c_str(), body.playLimitCount));
    }
    stage.NotifyHostRoomEntered();
    EnterByMode(body);
    stage.Promotions().PrintEventNotices(body.entryMode);
    flows.missions.OpenTargetScore();
    PlaceDeckForRoom();
    if (GVQZAniWnd* entry = roomWidgets.entryAnimation) {
        entry->Play(1, false);  // hides itself when it ends
        stage.InvalidateWnd(entry);
    }
    flows.periphery.RebuildRoomOptionText();
    stage.SetDirty();
    stage.StartFrameTimer();
    if (room.option.turnTime == 2) {
        // The user's own speed is kept for the option window and comes back when the room ends.
        if (!records.userCardSpeed) records.userCardSpeed = options.cardSpeed;
        options.cardSpeed = kFastRoomCardSpeed;
        stage.ApplyCardSpeed();
    }
    stage.ShowTournamentTitle();
    entryState.itemReserved = false;
    stage.SetMacroEnabled(true);
    stage.Vip().BuildDialog();
    PassHostTextToServer();
}

void EntryFlow::EnterByMode(const RoomEnterAnswer& body)
{
    const bool waiting = records.GetRoomState() == RoomState::Waiting;
    switch (body.entryMode) {
    case 0:
        RefreshBothSeats(Avatar::Fetch);
        stage.PlaySoundId(SoundId::RoomJoin);
        if (waiting) {
            stage.ShowRoundStartAnimation(true, 0);
            stage.UpdatePlayObserveButtons(1);
            flows.periphery.UpdateRestrict(true, false);
        }
        stage.UpdateExitButtons(1);
        stage.PrintOptionSummary();
        stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
        static_cast<void>(requests.SendPlay(1));  // nothing here follows it
        stage.ShowObserveSystem(true);
        stage.Promotions().ShowJackpotGauge(false);
        break;
    case 1: {
        RefreshBothSeats(Avatar::Fetch);
        EntryRules::JoinRoom join;
        join.robotSeated = records.HasRobotSeat();
        join.playState = room.roomState;
        join.askBeforeJoining = body.askBeforeJoining;
        join.roomKind = room.roomKind;
        join.freeChannel = room.option.freeChannel;
        join.noMinimumEntry = room.option.noMinimumEntry;
        join.antiLeave = room.option.antiLeave;
        join.gameSpeed = room.option.turnTime;
        const auto question = EntryRules::JoinQuestion(join);
        // Unanswered, the question closes as no: the user never sits without consent.
        if (question && stage.ShowMessageBox(question->text, BoxType::OkCancel, question->autoCloseMs, question->title, question->color) == BoxAnswer::Cancel)
            stage.ExitRoom();
        else
            static_cast<void>(requests.SendPlay(0));  // nothing here follows it
        stage.PrintOptionSummary();
        stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
        break;
    }
    case 2:
        static_cast<void>(requests.SendVoiceType());  // nothing here follows it
        stage.PrintOptionSummary();
        stage.LeaveNoticeToHost(LeaveNoticeCode::SeatChanged);
        break;
    default: stage.PostToHost(HostNotifyCode::Stay); break;
    }
}

void EntryFlow::PlaceDeckForRoom()
{
    const bool shifted = records.IsDesperateRoom();
    if (GVWnd* deck = tableWidgets.deckImage) {
        deck->Show(false);
        deck->SetPos(shifted ? Point{333, 233} : Point{313, 233});
    }
    const Point deckCentre = shifted ? Point{340, 240} : Point{320, 240};
    auto toDeck = [&](CVHTWnd* card) {
        if (!card) return;
        card->SetPos(deckCentre);
        card->SetHome(deckCentre);
    };
    for (CVHTWnd* card : tableWidgets.cardWnds) toDeck(card);
    for (CVHTWnd* card : tableWidgets.shadowCards) toDeck(card);
}

void EntryFlow::PassHostTextToServer()
{
    entryState.hostText = stage.FetchHostText();
    static_cast<void>(requests.SendHostUserText(entryState.hostText));  // nothing here follows it
}

void EntryFlow::RefreshSeatInfo(int seat, Avatar avatar)
{
    if (!room.seats.players.IsValidIndex(seat)) return;
    const PlayerInfo& p = records.GetPlayer(seat);
    if (p.screenSlot < 0 || p.screenSlot > 1) return;
    if (CVUserInfoWnd* info = seatPanels.userInfo[static_cast<size_t>(p.screenSlot)]) info->SetUserInfo(p);
    ShowAvatarMarks(static_cast<size_t>(p.screenSlot), records.IsRobotSeat(seat), HintRules::SeatBadgeFrame(p.badgeKind));
    if (avatar == Avatar::Fetch) stage.LoadSeatAvatar(seat);
    stage.SetDirty();
}

void EntryFlow::ShowAvatarMarks(size_t slot, bool robot, std::optional<int> badgeFrame)
{
    if (GVPSPWnd* mark = avatarMarks.robot[slot]) mark->Show(robot);
    if (GVPSPWnd* badge = avatarMarks.badge[slot]) {
        if (badgeFrame) badge->SetFrame(*badgeFrame);
        badge->Show(badgeFrame.has_value());
    }
}

void EntryFlow::RefreshBothSeats(Avatar avatar)
{
    RefreshSeatInfo(0, avatar);
    RefreshSeatInfo(1, avatar);
}

void EntryFlow::ShowSeatMarks()
{
    for (CVUserInfoWnd* info : seatPanels.userInfo) {
        if (!info) continue;
        for (int mark = 0; mark < 2; ++mark)
            if (GVPSPWnd* m = info->GetStatusMark(mark)) m->Show(false);
    }
    auto mark = [&](int seat, int which) {
        const int32_t slot = records.GetPlayer(seat).screenSlot;
        if (slot < 0 || slot > 1) return;
        if (CVUserInfoWnd* info = seatPanels.userInfo[static_cast<size_t>(slot)])
            if (GVPSPWnd* m = info->GetStatusMark(which)) m->Show(true);
    };
    entryState.firstKey = records.GetPlayer(0).userKey;
    if (entryState.firstKey != -1) mark(0, 0);
    const int owner = gameInfo.ownerKey == -1 ? -1 : records.FindSeatByKey(gameInfo.ownerKey);
    if (owner >= 0) mark(owner, 1);
    stage.SetDirty();
}

void EntryFlow::OnJoinGameAnswer(const JoinGameAnswer& body)
{
    const bool antiLeave = records.IsAntiLeaveRoom();
    if (antiLeave) entryState.antiLeaveCount = body.antiLeaveCount;
    if (body.result != 0) {
        switch (body.result) {
        case 1: {
            std::string money;
            ShowEntryResult(10, Format(money, "%I64i", body.player.gameMoney), true);
            break;
        }
        case 2: ShowEntryResult(13, "", false); break;
        case 3: ShowEntryResult(16, "", false); break;
        case 4: stage.ShowMessageBox("게임에 참여할 수 없습니다.\n아이디를 확인해 주세요.", BoxType::Ok, 5000, "", kBoxTextColor); break;
        default: break;
        }
        stage.UpdatePlayObserveButtons(1);
        return;
    }
    if (body.seatIndex < 0 || body.seatIndex > 1) {
        stage.PostToHost(HostNotifyCode::Stay);
        return;
    }
    int32_t inOut = 0;
    stage.HostRequest(ownUser.userKey, HostRequestCode::SeatTaken, 0, nullptr, &inOut);
    stage.ShowStartButton(false);
    stage.SetDirty();
    stage.FlushRedraw();
    PlayerInfo& seat = records.GetPlayer(body.seatIndex);
    const int32_t slot = seat.screenSlot;
    seat = body.player;
    seat.screenSlot = slot;
    const bool own = body.player.userKey == ownUser.userKey;
    if (own) {
        static_cast<RCUser&>(ownUser) = static_cast<const RCUser&>(body.player);
        stage.ShowObserveSystem(false);
        stage.Promotions().ShowJackpotGauge(true);
    }
    if (body.player.seatState < -1 && gameInfo.turnKey == body.player.seatState) gameInfo.turnKey = body.player.userKey;
    room.seats.AssignScreenSlots(ownUser.userKey);
    gameInfo.ownerKey = body.ownerKey;
    ShowSeatMarks();
    stage.UpdateExitButtons(1);
    stage.UpdatePlayObserveButtons(1);
    stage.ShowInviteButton(false);
    SeatAnswerFollowUp(body, own);
}

void EntryFlow::SeatAnswerFollowUp(const JoinGameAnswer& body, bool own)
{
    const bool waiting = records.GetRoomState() == RoomState::Waiting;
    if (own) {
        RefreshBothSeats(Avatar::Fetch);
        engine.RelayoutSeats();
        const PlayerInfo& me = records.GetPlayer(body.seatIndex);
        // The room value the host's notices carry: the seat's ready value plus its room value.
        env.hostNotifyValue = me.readyValue + me.roomValue;
        if (waiting) {
            stage.ShowRoundStartAnimation(true, 0);
            if (records.HasSeatWithoutUser()) stage.ShowInviteButton(true);
        }
    } else {
        RefreshSeatInfo(body.seatIndex, Avatar::Fetch);
    }
    entryState.leaveValue = 0;
    int32_t inOut = 0;
    if (records.IsAntiLeaveRoom()) stage.HostRequest(ownUser.userKey, HostRequestCode::AntiLeaveEntered, 0, nullptr, &inOut);
    if (records.IsUserSeated(body.player.userKey)) {
        stage.SetAutoPlay(false);
        stage.SetAutoPlayButtonEnabled(false);
    }
    if (records.IsUserSeated(body.player.userKey)) {
        if (body.player.userKey != gameInfo.ownerKey) stage.PlayVoice(VoiceCue::Welcome, body.seatIndex);
        else if (records.IsDesperateRoom()) stage.PlaySoundId(SoundId::Enter);
    }
    flows.missions.ShowTargetScoreNames();
    if (records.GetPlayer(0).userKey == ownUser.userKey) {
        if (waiting && records.HasSeatWithoutUser()) {
            stage.ShowStartButton(true);
            if (room.roomKind == kBasicRoomKind && room.option.freeChannel != 0) InviteToFreeChannel();
        } else if (!waiting) {
            stage.StartTimer(TimerId::Start);
        }
    }
    flows.periphery.UpdateRestrict(true, false);
    stage.SetDirty();
    PassHostTextToServer();
}

void EntryFlow::InviteToFreeChannel()
{
    if (stage.ShowMessageBox("자유채널 점500만냥 방은 초대한 사람만 입장 할 수 있습니다.\n초대하기를 시작합니다. 확인을 눌러주세요.", BoxType::Ok,
                       0, "", kBoxTextColor) != BoxAnswer::Ok)
        return;
    stage.FocusHostWindow();
    int32_t inOut = 0;
    stage.HostRequest(ownUser.userKey, HostRequestCode::StartInviting, 0, nullptr, &inOut);
}

int EntryFlow::ClearPlayerSeat(int32_t key)
{
    const int seat = records.FindSeatByKey(key);
    if (seat < 0) return 0;
    gameInfo.RemoveVoiceMute(key);
    PlayerInfo& p = records.GetPlayer(seat);
    if (p.screenSlot == 0 || p.screenSlot == 1) {
        if (CVUserInfoWnd* info = seatPanels.userInfo[static_cast<size_t>(p.screenSlot)])
            for (int mark = 0; mark < 2; ++mark)
                if (GVPSPWnd* m = info->GetStatusMark(mark)) m->Show(false);
        ShowAvatarMarks(static_cast<size_t>(p.screenSlot), p.seatState < -1, std::nullopt);
    }
    const int32_t state = p.seatState;
    p.Clear();
    if (state >= 0) {
        room.option.stake = static_cast<int32_t>(room.option.stakeMoney);
        PlayerInfo& other = records.GetPlayer(1 - seat);
        other.roundCounter1 = other.roundCounter2 = other.roundCounter3 = 0;
    } else if (state < -1) {
        // The robot keeps its seat under its state value.
        p.seatState = state;
        p.userKey = state;
        p.nickname = kRobotName;
    }
    return 1;
}

void EntryFlow::OnPlayerLeave(const PlayerLeave& body)
{
    const auto key = static_cast<int32_t>(body.userKey);
    const int seat = records.FindSeatByKey(key);
    if (seat < 0) return;
    if (records.popupTarget == key) stage.ShowUserPopupMenu(false, -1, {});
    const PlayerInfo leaving = records.GetPlayer(seat);
    const bool own = key == ownUser.userKey;
    const bool robot = leaving.seatState < -1;
    if (robot && gameInfo.turnKey == key) gameInfo.turnKey = leaving.seatState;
    if (!robot) {
        room.roomState = static_cast<int32_t>(RoomState::Waiting);
        room.roomValue = 0;
    }
    bool rotated = false;
    if (ClearPlayerSeat(key)) {
        stage.ShowStartButton(false);
        stage.UpdateExitButtons(1);
        stage.UpdatePlayObserveButtons(1);
        stage.ShowInviteButton(false);
        // The prompt waiting for the leaver's decision goes with him.
        if (tableState.promptKey == key) {
            stage.HideNotify();
            stage.StopPhaseTimer();
            tableState.promptKey = -1;
        }
        entryState.leaveValue = 0;
        if (key == gameInfo.ownerKey && gameInfo.RemoveKickReservation(key)) stage.SendKickListToHost();
        if (records.GetPlayer(0).userKey == -1 && records.GetPlayer(1).userKey != -1)
            rotated = room.seats.RotatePlayers(records.GetPlayer(1).userKey);
    }
    room.seats.AssignScreenSlots(ownUser.userKey);
    // A new round on the target-score panel (also after a robot), named from the seats as they are now.
    flows.missions.ResetTargetScoreRound();
    flows.missions.ShowTargetScoreNames();
    ShowSeatMarks();
    entryState.entryValue = 0;
    stage.UpdateStakeText();
    stage.ShowChamgiBackground(false, 0);
    if (own) LeaveAsOwnUser(body);
    else LeaveAsOtherUser(body, seat, robot || rotated);
}

// After a rotation the leaver's index holds the remaining player: both panels change.
void EntryFlow::LeaveAsOtherUser(const PlayerLeave& body, int seat, bool bothSeats)
{
    stage.PlaySoundId(SoundId::GameExit);
    if (bothSeats) RefreshBothSeats(Avatar::Fetch);
    else RefreshSeatInfo(seat, Avatar::Fetch);
    const bool waiting = records.GetRoomState() == RoomState::Waiting;
    if (records.GetPlayer(0).userKey == ownUser.userKey && waiting) {
        if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, false);
        stage.ShowStartButton(true);
        if (records.IsDesperateRoom()) stage.ShowRoundStartAnimation(true, 0);
        stage.ShowInviteButton(records.HasSeatWithoutUser());
    }
    if (!records.IsUserSeated() && records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, false);
    if (body.reason == 23 && records.IsUserSeated())
        stage.ShowMessageBox(" 상대 유저의 어뷰징으로 게임이 중단 되었습니다. ", BoxType::Ok, 3000, "", kBoxTextColor);
    stage.SetDirty();
}

void EntryFlow::LeaveAsOwnUser(const PlayerLeave& body)
{
    RefreshBothSeats(Avatar::Fetch);
    engine.RelayoutSeats();
    if (records.GetRoomState() == RoomState::Waiting) {
        flows.periphery.UpdateRestrict(true, false);
        if (records.IsDesperateRoom()) stage.ShowRoundStartAnimation(true, 0);
    }
    stage.SetAutoPlay(false);
    stage.SetAutoPlayButtonEnabled(false);
    stage.SetDirty();
    ShowEntryResult(static_cast<int32_t>(body.reason), body.detail, false);
    int32_t inOut = 0;
    if (records.IsAntiLeaveRoom()) stage.HostRequest(ownUser.userKey, HostRequestCode::AntiLeaveLeft, 0, nullptr, &inOut);
}

void EntryFlow::OnMyUserInfo(const MyUserInfo& body)
{
    ownUser = body.user;
    // A refresh, not a show: a folded bar stays folded.
    if (CVObserveSystemWnd* bar = entryWidgets.observerBar) {
        bar->Refresh();
        stage.InvalidateWnd(bar);
    }
}

void EntryFlow::OnUserAvatarString(const UserAvatarString& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0 || body.userKey == -1) return;
    records.GetPlayer(seat).avatarString = body.avatar;
}

void EntryFlow::OnRoomInfoUpdate(const RoomInfoUpdate& body)
{
    room.text3 = body.text;
    room.roomValue = body.value;
}

void EntryFlow::ShowEntryResult(int32_t code, const std::string& detail, bool fromJoin)
{
    EntryRules::ResultRoom r;
    r.roomKind = room.roomKind;
    r.antiLeave = room.option.antiLeave;
    r.antiLeaveCount = entryState.antiLeaveCount;
    r.tournamentFinished = entryState.tournamentFinished;
    r.stake = room.option.stake;
    r.customBet = room.option.customBet;
    r.moneyNoticeShown = std::any_of(entryState.moneyNoticeFlags.begin(), entryState.moneyNoticeFlags.end(), [](bool f) { return f; });
    r.royalValue = ownUser.memberRoyal;
    r.moneyTotal = ownUser.gameMoney + ownUser.safeMoney;
    r.pendingValue = entryState.pendingValue;
    const EntryRules::ResultPlan plan = EntryRules::PlanEntryResult(code, detail, fromJoin, r);
    CarryOutEntryResult(plan);
}

void EntryFlow::ShowPrize(const std::vector<std::string>& texts)
{
    const bool show = !texts.empty();
    if (GVQZSWnd* back = entryWidgets.prizeBack) {
        back->Show(show);
    }
    for (size_t i = 0; i < entryWidgets.prizeTexts.size(); ++i) {
        GVTextWnd* line = entryWidgets.prizeTexts[i];
        if (!line) continue;
        line->SetText(i < texts.size() ? texts[i] : std::string());
        line->Show(show);
    }
    stage.SetDirty();
}

void EntryFlow::CarryOutEntryResult(const EntryRules::ResultPlan& plan)
{
    int32_t inOut = 0;
    if (plan.alertSound) stage.PlaySoundId(SoundId::BoxNotify);
    if (plan.forcedExitRequest) stage.HostRequest(ownUser.userKey, HostRequestCode::ForcedExitRefused, 0, nullptr, &inOut);
    if (plan.box) stage.ShowMessageBox(plan.box->text, BoxType::Ok, plan.box->autoCloseMs, plan.box->title, plan.box->color);
    ShowPrize(plan.prizeTexts);
    if (plan.waitMs) stage.Delay(plan.waitMs);
    if (!plan.prizeTexts.empty()) ShowPrize({});
    if (plan.setTournamentFinished) entryState.tournamentFinished = true;
    if (plan.tail == EntryRules::Tail::Observer) {
        stage.ShowObserveSystem(true);
        stage.Promotions().ShowJackpotGauge(false);
        return;
    }
    for (const EntryRules::HostNote& note : plan.hostNotes)
        if (note.kind != 39) stage.HostMessage(note.kind, note.text1, note.text2);
    stage.PostToHost(static_cast<HostNotifyCode>(plan.postCode));
    stage.PlaySoundId(SoundId::RoomExit);
    if (plan.pendingRequest) {
        auto pending = static_cast<int32_t>(std::min<int64_t>(entryState.pendingValue, INT32_MAX));
        stage.HostRequest(ownUser.userKey, HostRequestCode::PendingValue, 0, nullptr, &pending);
    }
    if (plan.moneyNotice) stage.HostMessage(39, "24", "");
}
