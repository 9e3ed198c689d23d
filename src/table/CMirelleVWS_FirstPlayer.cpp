#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "protocol/HostInterfaces.h"
#include "table/core/DealPlan.h"

namespace {

constexpr int kDealSound = 10;
constexpr uint32_t kDealPauseMs = 500;

}  // namespace

void CMirelleVWS::OnDealCards(const DealCards& body)
{
    IHostInterface* host = GetHost();
    if (CheckDealCards(body.floorCards, body.handCards) != DealCheck::Ok) {
        DebugLine("deal: %d floor and %d hand ids, nothing dealt", static_cast<int>(body.floorCards.size()),
                  static_cast<int>(body.handCards.size()));
        PostToHost(0);
        return;
    }
    if (host) host->LeaveNotice(0);
    // FIXME: the jackpot gauge with the promotions.
    const bool ownSeated = IsUserSeated();
    if (IsUserSeated(static_cast<int32_t>(body.userKey))) SetAutoPlay(false);
    // FIXME: the auto-play button enabled, the round-start animation, the give-up and round values, the
    // play and observe buttons, the start and exit buttons and the waiting animation, with the room controls.
    room.roomState = static_cast<int32_t>(RoomState::Playing);
    InitFloorSlots();
    gameInfo.ownHandIds = ValidCardIds(body.handCards);
    tableState.dealFloorIds = ValidCardIds(body.floorCards);
    // FIXME: the chamgi kind and the restrict panel, with the room controls.
    if (body.chamgiKind != 0 && (body.chamgiStage == 1 || body.chamgiStage == 2)) {
        // FIXME: at the KJ mission panel's music volume once that panel exists.
        PlaySoundId(body.chamgiStage == 1 ? SoundTables::SoundId::ChamgiMusic1 : SoundTables::SoundId::ChamgiMusic2);
    }
    PlaySoundId(static_cast<SoundTables::SoundId>(kDealSound));
    gameInfo.missionMode = body.missionKind;
    // FIXME: mission kind 5 shows the KJ mission panel and sets both seats' mission flags, with the missions.
    tableState.dealing = true;
    StackDeck(DeckStack::AllSlots);
    if (!IsTournamentRoom() && !IsDesperateRoom()) Delay(kDealPauseMs);
    DealRound(true);
    if (ownSeated) SortOwnHand(false);
    StartBlinkTimer();
    tableState.dealing = false;
    tableState.active = true;
    // FIXME: mission kind 5 starts the KJ music, with the missions.
    if (host) host->LeaveNotice(ownSeated ? 4 : 3);
    // FIXME: the event and default banners, with the promotions.
    SendRequest20(5, 0);
    SetDirty();
    FlushRedraw();
}
