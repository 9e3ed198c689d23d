#include "table/TableEngine.h"

#include "table/TableStage.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

void TableEngine::SetCardSize(CVHTWnd* card, int kind)
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

void TableEngine::PlaceHand(int seat)
{
    if (!RoomRecords::IsSeat(seat)) return;
    const int screenSlot = ScreenSlotOf(seat);
    const std::vector<int32_t>& hand = records.RoundUser(seat).hand;
    for (size_t i = 0; i < hand.size(); ++i) {
        CVHTWnd* card = CardWndBySlot(hand[i]);
        if (!card) continue;
        const auto at = HandPosition(screenSlot, static_cast<int32_t>(i));
        // Ten places: the rest of a longer hand waits hidden.
        card->Show(at.has_value());
        if (!at) continue;
        card->SetPos(*at);
        card->ResetHoverState(screenSlot == 0 ? this : nullptr, static_cast<int>(i), false);
    }
}

void TableEngine::RelayoutSeats()
{
    if (records.GetRoomState() != RoomState::Playing) return;
    const int turnSeat = records.FindSeatByKey(gameInfo.turnKey);
    if (GVQZAniWnd* countdown = roomWidgets.countdownAnimation)
        if (const auto at = CountdownPosition(ScreenSlotOf(turnSeat))) countdown->SetPos(*at);
    for (int seat = 0; seat < 2; ++seat) {
        UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
        const int screenSlot = ScreenSlotOf(seat);
        if (screenSlot >= 0) {
            for (const int32_t slot : records.RoundUser(seat).hand)
                SetCardSize(CardWndBySlot(slot), screenSlot == 0 ? CardSizeKind::Big : CardSizeKind::Small);
            PlaceHand(seat);
        }
        stage.RefreshSeatPanels(seat);
        for (int32_t category = 0; category < kPileCategoryCount; ++category) LayoutCapturedPile(seat, category);
    }
    UpdateMissionMarks();
    stage.SetDirty();
}
