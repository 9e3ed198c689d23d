#include "scene/CMirelleVWS.h"

#include "protocol/HostInterfaces.h"
#include "toolkit/GVPSPWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr uint32_t kClientVersion = 20110927;
constexpr uint32_t kOutOfDateBoxMs = 5000;
constexpr uint32_t kEntryBoxColor = 0xCF7F00;
constexpr int32_t kFastRoomCardSpeed = 4;

}  // namespace

void CMirelleVWS::OnRoomEnterAnswer(const RoomEnterAnswer& body)
{
    if (body.clientVersion != kClientVersion) {
        int32_t inOut = 0;
        HostRequest(ownUser.userKey, HostRequestCode::OutOfDate, 0, nullptr, &inOut);
        ShowMessageBox("재실행하시면 최신버전을 다운 받을 수 있습니다.", 0, kOutOfDateBoxMs,
                       "현재 실행중인 별맞고 파일은 최신 버전이 아닙니다.", kEntryBoxColor);
        PostToHost(1);
        return;
    }
    ownUser = body.user;
    if (ownUser.userKey <= 0) {
        PostToHost(0);
        return;
    }
    room.Clear();
    room = body.room;
    // FIXME: the promotion record, the bijou panel, the banners, the play-count panel and the title-bar
    // caption's place arrive with the room entry.
    // FIXME: keep the entry value and refresh the stake text with the room entry.
    room.seats.AssignScreenSlots(ownUser.userKey);
    // FIXME: the first-player and owner marks, the host text, the play-limit notice, the room-entered
    // notice, the entry mode's seats, panels and requests, the event notices and the target-score panel
    // arrive with the room entry.

    const bool shifted = IsDesperateRoom();
    if (GVWnd* deck = tableWidgets.deckImage) deck->SetPos(shifted ? Point{333, 233} : Point{313, 233});
    const Point deckCentre = shifted ? Point{340, 240} : Point{320, 240};
    auto toDeck = [&](CVHTWnd* card) {
        if (!card) return;
        card->SetPos(deckCentre);
        card->SetHome(deckCentre);
    };
    for (CVHTWnd* card : tableWidgets.cardWnds) toDeck(card);
    for (CVHTWnd* card : tableWidgets.shadowCards) toDeck(card);
    // FIXME: the entry animation and the options panel's room text arrive with the room entry.
    SetDirty();
    StartFrameTimer();
    if (room.option.turnTime == 2) {
        options.cardSpeed = kFastRoomCardSpeed;
        ApplyCardSpeed();
    }
    // FIXME: the tournament title, the item flag, the macros, the VIP dialog and request 36 with the
    // host's text arrive with the room entry.
}
