#include <gtest/gtest.h>

#include "support/RoomTestSupport.h"

#include "foundation/WindowTimer.h"
#include "protocol/MessageBodies.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

constexpr int kBombRow = 2;
constexpr int kTwoBombRow = 4;

// A room on the generated images, the own user (100) in seat 0 and user 200 in seat 1, playing.
class SceneHints : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().room.seats.AssignScreenSlots(kOwnKey);
        Scene().room.roomState = static_cast<int32_t>(RoomState::Playing);
        host.Forget();
    }

    // Card-window slots from 10 up take the ids, in the own hand or on the floor.
    void Lay(std::vector<int32_t>& list, int32_t firstSlot, std::initializer_list<int32_t> ids)
    {
        int32_t slot = firstSlot;
        for (int32_t id : ids) {
            CVHTWnd* card = Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)];
            card->SetCard(id);
            card->SetPos({100 + 30 * slot, slot < 20 ? 450 : 200});
            list.push_back(slot++);
        }
    }
    bool Shown(int handSlot, int row) const
    {
        const GVWnd* m = wnd->GetScene()->GetHandMarker(handSlot, row);
        return m && m->IsVisible();
    }
};

}  // namespace

// Three cards of March in hand and one on the floor: the bomb row over the three; with the hand marked
// for a held bomb in the own turn, the double-bomb row, the guides, the tool-tip and the notify sound.
TEST_F(SceneHints, HandHintsAndTheHeldBombGuides)
{
    CMirelleVWS& s = Scene();
    Lay(s.gameInfo.users[0].hand, 10, {12, 13, 14, 0});
    Lay(s.floor.cards, 20, {15});
    s.ShowHandHints(true);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(Shown(k, kBombRow)) << "slot " << k;
        EXPECT_FALSE(Shown(k, 0)) << "slot " << k << " also shows CanEat";
    }
    EXPECT_FALSE(Shown(3, kBombRow)) << "January shows the bomb";
    EXPECT_FALSE(s.effects.bombOpenOutline->IsVisible()) << "guides without a marked hand";

    s.gameInfo.turnKey = kOwnKey;
    s.tableState.handMarked = true;
    s.markedCards = {12};
    s.ShowHandHints(true);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Shown(k, kTwoBombRow) && !Shown(k, kBombRow)) << "slot " << k;
    const Point floorCard = s.tableWidgets.cardWnds[20]->GetPos();
    EXPECT_TRUE(s.effects.bombOpenOutline->IsVisible());
    EXPECT_EQ(s.effects.bombOpenOutline->GetPos(), floorCard + Point(-8, -9));
    EXPECT_EQ(s.effects.bombHoldOutline->GetPos(), s.tableWidgets.cardWnds[10]->GetPos() + Point(-3, -3));
    EXPECT_TRUE(s.effects.bombHoldOutline->IsVisible());
    EXPECT_TRUE(s.moneyWidgets.bombTooltip->IsVisible());

    s.ShowHandHints(false);
    for (int k = 0; k < 4; ++k)
        for (int row = 0; row < 9; ++row) EXPECT_FALSE(Shown(k, row)) << "slot " << k << ", row " << row;
    EXPECT_FALSE(s.effects.bombHoldOutline->IsVisible() || s.effects.bombOpenOutline->IsVisible() ||
                 s.moneyWidgets.bombTooltip->IsVisible());

    // No floor card of the first hand card's month: the open guide stays off instead of pointing anywhere.
    s.floor.cards.clear();
    s.ShowHandHints(true);
    EXPECT_FALSE(s.effects.bombOpenOutline->IsVisible()) << "the open guide shows without its floor card";
    EXPECT_TRUE(s.effects.bombHoldOutline->IsVisible());
}

// While the first player is picked from the floor, the blink shows the markers of the slots holding cards in
// phase 1 and hides them in phase 0; during the own turn the lit outline marks the slots the hand can take.
TEST_F(SceneHints, BlinkStepLightsFloorSlotsAndTheOwnOutline)
{
    CMirelleVWS& s = Scene();
    s.floor.GetSlot(2).count = 1;
    s.gameInfo.firstPlayerMode = 0;
    s.timers.phaseTimerKind = DecisionKind::SunPick;
    s.timers.blinkPhase = 0;
    s.StepCountdownAndBlink();
    EXPECT_TRUE(s.tableWidgets.floorMarkers[2]->IsVisible());
    EXPECT_FALSE(s.tableWidgets.floorMarkers[3]->IsVisible()) << "an empty slot is marked";
    s.StepCountdownAndBlink();
    EXPECT_FALSE(s.tableWidgets.floorMarkers[2]->IsVisible()) << "phase 0 keeps the marker";

    s.timers.phaseTimerKind = DecisionKind::PlayCard;
    s.gameInfo.turnKey = kOwnKey;
    s.timers.outlineBlink = true;
    Lay(s.gameInfo.users[0].hand, 10, {12});
    // March in floor slot 4, October in slot 5: only March is the own hand's to take.
    Lay(s.gameInfo.deck, 20, {15, 40});
    ASSERT_TRUE(s.tableModel.PutOnFloorSlot(20, TableList::Deck(), 4));
    ASSERT_TRUE(s.tableModel.PutOnFloorSlot(21, TableList::Deck(), 5));
    s.timers.blinkPhase = 0;
    s.StepCountdownAndBlink();
    EXPECT_TRUE(s.tableWidgets.litOutlines[4]->IsVisible()) << "the March slot is not lit";
    EXPECT_FALSE(s.tableWidgets.litOutlines[5]->IsVisible()) << "a slot the hand cannot take is lit";
    s.StepCountdownAndBlink();
    EXPECT_FALSE(s.tableWidgets.litOutlines[4]->IsVisible()) << "phase 0 keeps the outline";
}

// Two avatar places: a user on any other screen slot is refused; an avatar goes with its user's data.
TEST_F(SceneHints, SeatAvatarsOnTheTwoScreenSlotsOnly)
{
    CMirelleVWS& s = Scene();
    // A path naming its drive is taken as it stands, not under the portal's folder.
    BSTR picture = SysAllocString(AnsiToWide(gameDir + "GameImage\\Avatar\\robot_avatar1.gif|item").c_str());
    s.room.seats.players[1].screenSlot = 2;
    EXPECT_EQ(Client()->SetUserAvatar(200, picture), -1);
    EXPECT_EQ(s.GetSeatAvatar(2), nullptr);
    s.room.seats.players[1].screenSlot = 1;
    EXPECT_EQ(Client()->SetUserAvatar(200, picture), 0);
    ASSERT_NE(s.GetSeatAvatar(1), nullptr);
    EXPECT_TRUE(s.GetSeatAvatar(1)->IsVisible());
    EXPECT_FALSE(s.GetSeatAvatar(1)->IsFallback()) << "the portal's picture did not load";
    SysFreeString(picture);

    // Without an avatar string the seat loses its avatar.
    s.LoadSeatAvatar(1);
    EXPECT_EQ(s.GetSeatAvatar(1), nullptr);
}

// A refill shows on the panel of the user it is for; only the own user's is told in the chat and to the host.
TEST_F(SceneHints, RefillsOfBothSeats)
{
    CMirelleVWS& s = Scene();
    s.GetPlayer(1).gameMoney = 1000;
    s.PrintRefillNotice(3, {RefillRecord{200, 300000, 1, 0}});
    EXPECT_EQ(s.GetPlayer(1).gameMoney, 301000);
    EXPECT_TRUE(s.moneyWidgets.refill[1]->IsVisible());
    EXPECT_EQ(s.moneyWidgets.refill[1]->GetFrame(), 1);
    EXPECT_EQ(s.moneyWidgets.refillTexts[1]->GetText(), "남은 리필 1회");
    EXPECT_EQ(host.chat, "") << "the other user's refill was told";
    EXPECT_TRUE(host.RequestsWithCode(31).empty());

    s.GetPlayer(0).gameMoney = INT64_MAX - 5;
    s.PrintRefillNotice(2, {RefillRecord{kOwnKey, 200000, 0, 0}});
    EXPECT_EQ(s.GetPlayer(0).gameMoney, INT64_MAX) << "the money wrapped";
    const auto code31 = host.RequestsWithCode(31);
    ASSERT_EQ(code31.size(), 1u);
    EXPECT_EQ(code31[0].text, std::optional<std::string>("200000"));
    EXPECT_NE(host.chat.find("남은 리필이 없습니다."), std::string::npos) << host.chat;

    WindowTimer::AdvanceAndFire(3000);
    EXPECT_FALSE(s.moneyWidgets.refill[1]->IsVisible() || s.moneyWidgets.refillTexts[0]->IsVisible())
        << "the refill marks outlast the popup timer";
}
