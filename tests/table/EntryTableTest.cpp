#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "support/RoomTestSupport.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

using Ids = std::vector<int32_t>;

// What a snapshot leaves on the table: the round records, the floor counts and every card
// window's place and picture.
struct TablePicture {
    std::array<CHTUser, 2> users;
    std::vector<int32_t> floorCards;
    std::vector<int32_t> floorCounts;
    std::vector<Rect> rects;
    std::vector<int> frames;
    std::vector<bool> shown;
    bool operator==(const TablePicture&) const = default;
};

// The own user (key 100) in seat 0 at the bottom, user 200 on top, a round under way.
class RoomEntryTable : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        S().room.roomState = static_cast<int32_t>(RoomState::Playing);
        S().room.seats.AssignScreenSlots(kOwnKey);
    }
    CMirelleVWS& S() { return Scene(); }

    TablePicture Picture()
    {
        TablePicture p;
        p.users = {S().RoundUser(0), S().RoundUser(1)};
        p.floorCards = S().floor.cards;
        for (int i = 0; i < COpenInfo::kSlotCount; ++i) p.floorCounts.push_back(S().floor.GetSlot(i).count);
        for (int32_t s = 0; s < kCardCount; ++s) {
            const CVHTWnd* card = S().CardWndBySlot(s);
            p.rects.push_back(card->GetRect());
            p.frames.push_back(card->GetImageFrame());
            p.shown.push_back(card->IsVisible());
        }
        return p;
    }

    // Piles, hands of seven and a floor of six, 29 cards in all.
    static GameDataSync Snapshot()
    {
        GameDataSync body;
        body.targetKey = kOwnKey;
        GameDataTable& t = body.table;
        t.turnKey = kOwnKey;
        t.playState = 2;
        t.players[0].gwangPile = {0};
        t.players[0].ribbonPile = {5};
        t.players[0].piPile = {2, 3};
        t.players[0].hand = Ids(7, 50);
        t.players[0].points = 2;
        t.players[1].animalPile = {16};
        t.players[1].piPile = {6, 7, 10, 11};
        t.players[1].hand = Ids(7, 50);
        t.floor = {9, 13, 17, 22, 26, 30};
        return body;
    }
    bool Posted0() const
    {
        const auto it = hostWnd.posted.find(WM_USER + 1);
        return it != hostWnd.posted.end() && it->second.lParam == 0;
    }
};

}  // namespace

TEST_F(RoomEntryTable, DealShowsTheOwnHandFaceUp)
{
    DealCards body;
    body.userKey = kOwnKey;
    body.floorCards = {0, 4, 9, 13, 17, 22, 26, 30};
    body.handCards = {35, 1, 14, 5, 6, 12, 15, 23, 27, 31};
    S().OnDealCards(body);
    Ids shown;
    for (const int32_t slot : S().RoundUser(0).hand) shown.push_back(S().CardWndBySlot(slot)->GetImageFrame());
    std::sort(shown.begin(), shown.end());
    Ids want = body.handCards;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(shown, want) << "the own hand shows the body's ids, not backs";
    for (const int32_t slot : S().RoundUser(1).hand)
        EXPECT_EQ(S().CardWndBySlot(slot)->GetImageFrame(), CVHTWnd::kBackFrame) << "the other hand stays face down";
    EXPECT_TRUE(S().tableState.active);
}

TEST_F(RoomEntryTable, SnapshotTwiceLeavesTheSameTable)
{
    S().OnGameDataSync(Snapshot());
    const TablePicture once = Picture();
    ASSERT_EQ(once.floorCards.size(), 6u);
    ASSERT_EQ(S().RoundUser(1).piPile.size(), 4u);
    ASSERT_EQ(S().RoundUser(0).hand.size(), 7u);
    EXPECT_EQ(S().gameInfo.deck.size(), 50u - 29u) << "the rebuild took its cards from a full deck";
    S().OnGameDataSync(Snapshot());
    EXPECT_TRUE(Picture() == once) << "a second snapshot adds nothing";
    EXPECT_EQ(S().gameInfo.deck.size(), 50u - 29u);
    EXPECT_FALSE(Posted0());
}

TEST_F(RoomEntryTable, RefusedSnapshotsChangeNothing)
{
    S().OnGameDataSync(Snapshot());
    const TablePicture before = Picture();
    const struct { const char* name; GameDataSync body; } cases[] = {
        {"51 cards", [] { GameDataSync b = Snapshot(); b.table.floor.resize(28, 40); return b; }()},
        {"a hand of 11", [] { GameDataSync b = Snapshot(); b.table.players[1].hand = Ids(11, 50); return b; }()},
    };
    for (const auto& c : cases) {
        hostWnd.posted.clear();
        S().OnGameDataSync(c.body);
        MSG msg;
        while (PeekMessageA(&msg, hostWnd.Get(), 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        EXPECT_TRUE(Posted0()) << c.name << ": code 0 to the host";
        EXPECT_TRUE(Picture() == before) << c.name << ": the table stays as it was";
    }
}

TEST_F(RoomEntryTable, SnapshotForAnotherUserOrBeforeTheRound)
{
    const TablePicture before = Picture();
    GameDataSync other = Snapshot();
    other.targetKey = 200;
    S().OnGameDataSync(other);
    EXPECT_TRUE(Picture() == before) << "meant for another user";
    S().room.roomState = static_cast<int32_t>(RoomState::Waiting);
    S().OnGameDataSync(Snapshot());
    EXPECT_TRUE(Picture() == before) << "no round under way";
}

TEST_F(RoomEntryTable, TournamentAndTargetScoreRoomsDealWithoutThePause)
{
    DealCards body;
    body.userKey = kOwnKey;
    body.floorCards = {0, 4, 9, 13, 17, 22, 26, 30};
    body.handCards = {1, 5, 6, 12, 14, 15, 23, 27, 31, 35};
    auto dealIn = [&](int32_t kind) {
        S().room.roomKind = kind;
        const uint64_t start = Clock::VirtualElapsedMs();
        S().OnDealCards(body);
        const uint64_t ms = Clock::VirtualElapsedMs() - start;
        std::printf("deal in room kind %d: %llu ms on the virtual clock\n", kind, static_cast<unsigned long long>(ms));
        return static_cast<int64_t>(ms);
    };
    const int64_t ordinary = dealIn(0);
    for (const int32_t kind : {20, 32, 43})
        EXPECT_NEAR(ordinary - dealIn(kind), 500, 60) << "room kind " << kind << " skips the 500 ms pause";
}

TEST_F(RoomEntryTable, HandPickWithoutItsBoardDoesNotWait)
{
    GVQZAniWnd* board = S().entryWidgets.pickBoard;
    ASSERT_NE(board, nullptr) << "the hand pick's board is loaded";
    ShuffleCards body;
    body.mode = 1;
    const auto timeOfOpen = [&] {
        const uint64_t start = Clock::VirtualElapsedMs();
        S().OnShuffleCards(body);
        return Clock::VirtualElapsedMs() - start;
    };
    const uint64_t withBoard = timeOfOpen();
    EXPECT_GE(withBoard, 300u) << "the board's shuffle is waited for";
    EXPECT_LT(withBoard, 3100u);
    S().OnTableReset(TableReset{});
    S().entryWidgets.pickBoard = nullptr;
    EXPECT_LT(timeOfOpen(), 50u) << "no board: nothing to wait for";
    for (GVQZAniWnd* button : S().entryWidgets.handButtons) {
        EXPECT_TRUE(button->IsVisible() && button->IsEnabled()) << "the hands are offered all the same";
    }
    EXPECT_EQ(S().timers.phaseTimerKind, SceneRules::DecisionKind::SunPick);
    S().entryWidgets.pickBoard = board;
}
