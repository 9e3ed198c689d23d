#include "table/flows/NoticeFlow.h"

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"

namespace {

namespace Limit {
constexpr int32_t Changed = 1, Lifted = 3;
}
constexpr uint32_t kLimitBoxMs = 5000;

}  // namespace

void NoticeFlow::OnEntryResult(const EntryResult& body)
{
    room.roomKind = body.roomKind;
    flows.entry.ShowEntryResult(body.code, body.text, false);
    stage.SetDirty();
}

void NoticeFlow::OnEntryLimitChanged(const EntryLimitChanged& body)
{
    stage.PlaySoundId(SoundId::BoxNotify);
    if (body.kind == Limit::Changed && body.userKey == ownUser.userKey && body.showFlag != 0)
        stage.ShowMessageBox(body.text, BoxType::Ok, kLimitBoxMs, "", kBoxTextColor);
    if (body.kind == Limit::Lifted) {
        stage.PrintChatText("입장 금액`1110` 제한이 없는`0111` 방으로 자동 변경되었습니다! `0010`");
        int32_t value = 0;
        stage.HostRequest(ownUser.userKey, HostRequestCode::EntryLimitLifted, 0, nullptr, &value);
    }
    stage.SetDirty();
}

void NoticeFlow::OnHostText(const HostText& body)
{
    std::string text = FormatText("%s", body.text.c_str());
    auto length = static_cast<int32_t>(text.size());
    stage.HostRequest(0, HostRequestCode::PassText, 0, text.data(), &length);
}

void NoticeFlow::OnRoomDeletedNotice(const RoomDeletedNotice&)
{
    stage.PrintChatText("[폴리스]`1111` 불건전 방제로 방이 삭제됩니다`0110`");
}

void NoticeFlow::OnServerValueForHost(const ServerValueForHost& body)
{
    int32_t value = body.value;
    stage.HostRequest(ownUser.userKey, HostRequestCode::ServerValue, 0, nullptr, &value);
}

void NoticeFlow::OnServerNoticeForHost(const ServerNoticeForHost&)
{
    int32_t value = 0;
    stage.HostRequest(ownUser.userKey, HostRequestCode::ServerNotice, 0, nullptr, &value);
}

void NoticeFlow::OnChatMacro(const ChatMacro& body)
{
    const auto key = static_cast<int32_t>(body.userKey);
    if (records.IsUserSeated(key)) stage.SendChatMacro(static_cast<int>(body.macro), key);
}
