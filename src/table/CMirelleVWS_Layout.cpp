#include "scene/CMirelleVWS.h"

#include <utility>

#include "table/core/TableLayout.h"
#include "views/CVHTWnd.h"

using SoundTables::SoundId;

void CMirelleVWS::InitFloorSlots()
{
    for (int i = 0; i < COpenInfo::kSlotCount; ++i)
        if (const auto at = FloorSlotPosition(i, room.roomKind)) floor.GetSlot(i).position = *at;
    timers.countdownLimit = 10;
    timers.countdownStart = 0;
    timers.countdown = 0;
    timers.blinkPhase = 0;
    timers.outlineBlink = false;
    // FIXME: the selected target (-1) and the dealing flag once the turn display and the deal keep them.
    floor.Clear();
    // The deal handler keeps the own hand's ids before it calls here; the deal still needs them.
    std::vector<int32_t> ownHandIds = std::move(gameInfo.ownHandIds);
    gameInfo.Reset();
    gameInfo.ownHandIds = std::move(ownHandIds);
    lastMusicRefresh = 0;
    for (SoundId id : {SoundId::ResultWinner, SoundId::ResultLoser, SoundId::ResultGreatWinner,
                       SoundId::ResultGreatLoser, SoundId::ResultPokjook})
        StopSoundId(id);
}

void CMirelleVWS::SetCardSize(CVHTWnd* card, int kind)
{
    static constexpr Size kSizes[TableWidgets::kCardSizes] = {kSmallCardSize, kNormalCardSize, kBigCardSize};
    if (!card || kind < 0 || kind >= TableWidgets::kCardSizes) return;
    const CVHTWnd* sizeTemplate = tableWidgets.cardSizeTemplates[static_cast<size_t>(kind)];
    if (!sizeTemplate || !sizeTemplate->HasImage() || sizeTemplate == card) return;
    const Point at = card->GetRect().TopLeft();
    const int frame = card->GetImageFrame();
    if (!card->ShareImage(*sizeTemplate)) return;
    card->SetRect(Rect(at, kSizes[kind]));
    card->SetImageFrame(frame);
}
