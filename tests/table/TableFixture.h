#pragma once

// A table engine without a room: the room's records and widgets, a fake stage, and the widgets the
// engine moves, made from the generated room's pictures as the scene's loader makes them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foundation/Win32.h"
#include "foundation/core/Clock.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "support/FakeStages.h"
#include "table/TableEngine.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVCountWnd.h"
#include "views/CVHTWnd.h"
#include "views/LoadErrorSink.h"
#include "views/WidgetFactory.h"

// The generated room's image folder (build/game/GameImage, three folders above the test program).
inline std::string GeneratedTableImages()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return (std::filesystem::path(exe).parent_path().parent_path().parent_path() / "game" / "GameImage").string() +
           "\\";
}

// Owns the table's widgets in the loader's drawing order (each added on top of the ones before):
// the deck, the floor outlines, the 50 card windows (slot 0 on top) each under its pile marker, the moving
// cards and pass markers, the pi counts, the deal effects and the layer anchor. The engine's other
// markers stay null, which it allows.
class TableWidgetScene final : public GVWS, public LoadErrorSink {
public:
    bool Load(const std::string& imageRoot, TableWidgets& t)
    {
        QZSRsc_Init(512, imageRoot);
        WidgetFactory f(imageRoot, *this);
        bool ok = Add(t.deckImage = f.CreatePSPWnd("Back\\deck.psp", {306, 226}, Visible::Yes));
        ok = ok && Add(t.holdOpenMarker = f.CreateQZAniWnd("Hwatoo\\hold_open.qza", {}));
        for (size_t i = 0; i < t.floorMarkers.size(); ++i)
            ok = ok && Add(t.floorMarkers[i] = f.CreatePSPWnd("Hwatoo\\outline.psp", {}, Visible::No));
        for (int slot = kCardCount - 1; ok && slot >= 0; --slot) {
            const auto i = static_cast<size_t>(slot);
            ok = Add(t.cardWnds[i] = f.CreateCardWnd(slot, "Hwatoo\\normal.bmp", kNormalCardSize)) &&
                 Add(t.cardBoxes[i] = f.CreateBoxWnd(t.cardWnds[i]->GetRect(), 0, 128, Visible::No));
        }
        const char* const sizes[] = {"Hwatoo\\small.bmp", "Hwatoo\\normal.bmp", "Hwatoo\\hold.bmp"};
        const Size sizeOf[] = {kSmallCardSize, kNormalCardSize, kBigCardSize};
        for (int kind = 0; ok && kind < TableWidgets::kCardSizes; ++kind) {
            CVHTWnd*& card = t.cardSizeTemplates[static_cast<size_t>(kind)];
            if ((ok = Add(card = f.CreateCardWnd(kind, sizes[kind], sizeOf[kind])))) card->Show(false), card->Enable(false);
        }
        for (CVHTWnd*& shadow : t.shadowCards)
            if (ok && (ok = Add(shadow = f.CreateCardWnd(0, "Hwatoo\\shadow.bmp", kNormalCardSize))))
                shadow->SetImageFrame(0), shadow->Show(false);
        for (GVPSPWnd*& big : t.bigCards) ok = ok && Add(big = f.CreatePSPWnd("Hwatoo\\big.psp", {}, Visible::No));
        for (GVQZSWnd*& bomb : t.holdBombs) ok = ok && Add(bomb = f.CreateQZSWnd("Hwatoo\\holdbomb.qzs", {}, Visible::No));
        ok = ok && Add(t.handPointer = f.CreatePSPWnd("Hwatoo\\hand.psp", {}, Visible::No));
        for (CVCountWnd*& count : t.piCounts) ok = ok && Add(count = f.CreateCountWnd());
        ok = ok && Add(t.hitEffect = f.CreateQZAniWnd("Effect\\hit.qza", {}));
        ok = ok && Add(t.dealAnimation = f.CreateQZAniWnd("Effect\\tung.qza", {}));
        ok = ok && Add(t.goCountAnimation = f.CreateQZAniWnd("Effect\\gocount.qza", {}));
        return ok && Add(t.layerAnchor = f.CreateBoxWnd({0, 0, 800, 520}, 0, 0, Visible::No));
    }
    void AddLoadError(const std::string&) override { errors.push_back("allocation"); }
    void ReportLoadError(const std::string& name) override { errors.push_back(name); }

    std::vector<std::string> errors;

private:
    bool Add(GVWnd* wnd) { return wnd && AddWnd(wnd); }
};

// The own user (key 100) in seat 0 on the bottom side and user 200 in seat 1 on top, a round in
// play, the floor slots placed and every card window in the deck, on the virtual clock.
template <class Stage>
class TableFixtureOf : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(scene.Load(GeneratedTableImages(), widgets.tableWidgets))
            << (scene.errors.empty() ? "?" : scene.errors.front()) << ": build the game_tree target first";
        stage.widgets = &scene;
        records.ownUser.userKey = records.GetPlayer(0).userKey = kOwnKey;
        records.GetPlayer(1).userKey = 200;
        records.GetPlayer(0).screenSlot = 0, records.GetPlayer(1).screenSlot = 1;
        records.room.roomState = static_cast<int32_t>(RoomState::Playing);
        NewRound();
    }
    void TearDown() override { Clock::UseReal(); }

    TableModel& Model() { return engine.Model(); }
    CVHTWnd& Card(int32_t slot) { return *engine.CardWndBySlot(slot); }
    // The floor and round records as a new round leaves them (the own hand's ids of a deal stay).
    void ClearTable()
    {
        for (int i = 0; i < COpenInfo::kSlotCount; ++i)
            if (const auto at = FloorSlotPosition(i, records.room.roomKind)) records.floor.GetSlot(i).position = *at;
        records.floor.Clear();
        for (int32_t s = 0; s < kCardCount; ++s) engine.Faces().FaceAt(s).floorSlot = -1;
        std::vector<int32_t> ownHandIds = std::move(records.gameInfo.ownHandIds);
        records.gameInfo.Reset();
        records.gameInfo.ownHandIds = std::move(ownHandIds);
        records.tableState.handPointerShown = false;
    }
    void NewRound()
    {
        ClearTable();
        for (int32_t s = 0; s < kCardCount; ++s) ASSERT_TRUE(Model().MoveSlot(s, TableList::Nowhere(), TableList::Deck()));
    }

    static constexpr int32_t kOwnKey = 100;
    RoomRecords records;
    RoomWidgetSet widgets;
    TableWidgetScene scene;
    Stage stage;
    TableEngine engine{stage, records, widgets};
};
using TableFixture = TableFixtureOf<FakeTableStage>;
