#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include <string>

#include "foundation/core/Text.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVCountWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVHTWnd.h"
#include "views/WidgetFactory.h"

namespace {

// Under the deck's stack of cards, which rises up and left from (320, 240).
constexpr Point kDeckPoint{306, 226};

// The remaining-cards markers: two rows of ten under the floor.
Point RemainMarkerPoint(int i)
{
    return {186 + (i % 10) * 30, 388 + (i / 10) * 24};
}

// A floor slot's outline sits three pixels up and left of its first card, as the cards place it.
Point OutlinePoint(int floorSlot)
{
    return FloorSlotPosition(floorSlot, 0).value_or(Point{}) + Point{-3, -3};
}

Point HandSlotPoint(int handSlot)
{
    return HandPosition(0, handSlot).value_or(Point{});
}

constexpr int32_t kCardBoxColor = 0x000000;
constexpr Size kTableAreaSize{800, 520};
constexpr int kCardBoxFill = 128;

// The ten markers of a hand slot: nine of the icon set by name, then the VIP alert.
constexpr const char* kHandMarkerNames[] = {"CanEat", "CanEatFix", "Bomb", "nuclear", "2Bomb",
                                            "Shake",  "Mine",      "Mission", "MissionGray"};
constexpr int kHoldAlertAnimation = 3;

// Started endless, then hidden until the table shows it.
void StartHidden(GVQZAniWnd& a)
{
    a.Play(-1, false);
    a.Show(false);
}

}  // namespace

bool RoomLoader::LoadTableAndDeck(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    t.skin = factory.CreateQZSWnd(FormatText("Back\\skin_%d.qzs", scene.options.skin), {0, 0}, Visible::Yes);
    if (!scene.AddLoaded(t.skin)) return false;
    if (!scene.AddLoaded(scene.periphery.desperate = CreateDesperateWnd())) return false;
    GVPSPWnd* deck = factory.CreatePSPWnd("Back\\deck.psp", kDeckPoint, Visible::Yes);
    t.deckImage = deck;
    if (!scene.AddLoaded(deck)) return false;
    deck->SetFrame(scene.options.skin);
    t.deckBackAnimation = factory.CreateQZAniWnd("Back\\chamgi_back.qza", {0, 0});
    if (!scene.AddLoaded(t.deckBackAnimation)) return false;
    t.deckBackAnimation->SelectAnimation(scene.options.skin);
    StartHidden(*t.deckBackAnimation);
    return scene.AddLoaded(scene.periphery.playCount = CreateGFPlayCountWnd());
}

bool RoomLoader::LoadTurnBlink(WidgetFactory& factory)
{
    scene.roomButtons.titleText = factory.CreateTextWnd("", {182, 5}, {620, 14}, 12, 700, 0x949494);
    if (!scene.AddLoaded(scene.roomButtons.titleText)) return false;
    scene.tableWidgets.turnBlinkAnimation = factory.CreateQZAniWnd("GameProcess\\turn_blink.qza", {0, 0});
    return scene.AddLoaded(scene.tableWidgets.turnBlinkAnimation) && LoadTitleButtons(factory);
}

bool RoomLoader::LoadFloorMarkers(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    t.remainCloseMarker = factory.CreateQZAniWnd("Hwatoo\\remainclose_open.qza", RemainMarkerPoint(0));
    if (!scene.AddRunning(t.remainCloseMarker)) return false;
    for (int i = 0; i < TableWidgets::kRemainMarkers; ++i) {
        GVQZAniWnd*& m = t.remainHoldMarkers[static_cast<size_t>(i)];
        m = factory.CreateQZAniWnd("Hwatoo\\remainhold_open.qza", RemainMarkerPoint(i));
        if (!scene.AddRunning(m)) return false;
    }
    // Stepped by the tick, so that it ends and hides after it played over a dealt card.
    t.holdOpenMarker = factory.CreateQZAniWnd("Hwatoo\\hold_open.qza", {0, 0});
    return scene.AddRunning(t.holdOpenMarker);
}

bool RoomLoader::LoadFloorSlots(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    for (int slot = 0; slot < TableWidgets::kFloorSlots; ++slot) {
        GVPSPWnd* outline = factory.CreatePSPWnd("Hwatoo\\outline.psp", OutlinePoint(slot), Visible::No);
        t.floorMarkers[static_cast<size_t>(slot)] = outline;
        if (!scene.AddLoaded(outline)) return false;
    }
    for (size_t i = 0; i < t.litOutlines.size(); ++i) {
        GVPSPWnd*& lit = t.litOutlines[i];
        lit = factory.CreatePSPWnd("Hwatoo\\outline.psp", OutlinePoint(static_cast<int>(i)), Visible::No);
        if (!scene.AddLoaded(lit)) return false;
        lit->SetFrame(1);
    }
    return true;
}

bool RoomLoader::LoadCardWnds(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    // From the last slot down, so slot 0 ends on top.
    for (int slot = kCardCount - 1; slot >= 0; --slot) {
        const auto i = static_cast<size_t>(slot);
        t.cardWnds[i] = factory.CreateCardWnd(slot, "Hwatoo\\normal.bmp", kNormalCardSize);
        if (!scene.AddLoaded(t.cardWnds[i])) return false;
        t.cardBoxes[i] = factory.CreateBoxWnd(t.cardWnds[i]->GetRect(), kCardBoxColor, kCardBoxFill, Visible::No);
        if (!scene.AddLoaded(t.cardBoxes[i])) return false;
        t.missionMarkers[i] = factory.CreateQZAniWnd("Hwatoo\\icon.qza", {0, 0});
        if (!scene.AddRunning(t.missionMarkers[i])) return false;
        t.missionMarkers[i]->SelectAnimationByName("OpenMission");
        StartHidden(*t.missionMarkers[i]);
    }
    return true;
}

bool RoomLoader::LoadMovingCards(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    const struct { const char* file; Size size; } sizes[TableWidgets::kCardSizes] = {
        {"Hwatoo\\small.bmp", kSmallCardSize}, {"Hwatoo\\normal.bmp", kNormalCardSize}, {"Hwatoo\\hold.bmp", kBigCardSize}};
    for (int kind = 0; kind < TableWidgets::kCardSizes; ++kind) {
        CVHTWnd*& card = t.cardSizeTemplates[static_cast<size_t>(kind)];
        card = factory.CreateCardWnd(kind, sizes[kind].file, sizes[kind].size);
        if (!scene.AddLoaded(card)) return false;
        card->Enable(false);
        card->Show(false);
    }
    for (CVHTWnd*& shadow : t.shadowCards) {
        shadow = factory.CreateCardWnd(0, "Hwatoo\\shadow.bmp", kNormalCardSize);
        if (!scene.AddLoaded(shadow)) return false;
        shadow->SetImageFrame(0);  // one picture, no card strip
        shadow->Show(false);
    }
    for (GVPSPWnd*& big : t.bigCards) {
        big = factory.CreatePSPWnd("Hwatoo\\big.psp", {0, 0}, Visible::No);
        if (!scene.AddLoaded(big)) return false;
    }
    for (GVQZSWnd*& bomb : t.holdBombs) {
        bomb = factory.CreateQZSWnd("Hwatoo\\holdbomb.qzs", {0, 0}, Visible::No);
        if (!scene.AddLoaded(bomb)) return false;
    }
    t.handPointer = factory.CreatePSPWnd("Hwatoo\\hand.psp", {0, 0}, Visible::No);
    return scene.AddLoaded(t.handPointer);
}

bool RoomLoader::LoadPlayMarks(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    t.robotPlayAnimation = factory.CreateQZAniWnd("GameProcess\\robotplay.qza", {0, 0});
    if (!scene.AddRunning(t.robotPlayAnimation)) return false;
    t.playStartImage = factory.CreateQZSWnd("GameProcess\\playstart.qzs", {636, 260}, Visible::No);
    if (!scene.AddLoaded(t.playStartImage)) return false;
    t.selectSunAnimation = factory.CreateQZAniWnd("GameFunction\\SelectSun\\select_ht.qza", {0, 0});
    if (!scene.AddLoaded(t.selectSunAnimation)) return false;
    for (CVCountWnd*& count : t.piCounts) {
        count = factory.CreateCountWnd();
        if (!scene.AddLoaded(count)) return false;
    }
    t.hitEffect = factory.CreateQZAniWnd("Effect\\hit.qza", {0, 0});
    return scene.AddRunning(t.hitEffect);
}

bool RoomLoader::LoadHandMarkers(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    for (int slot = 0; slot < kHandSlots; ++slot) {
        auto& markers = t.handMarkers[static_cast<size_t>(slot)];
        const Point p = HandSlotPoint(slot);
        size_t next = 0;
        for (const char* name : kHandMarkerNames) {
            GVQZAniWnd* m = factory.CreateQZAniWnd("Hwatoo\\icon.qza", p);
            markers[next++] = m;
            if (!scene.AddLoaded(m)) return false;
            m->SelectAnimationByName(name);
            StartHidden(*m);
        }
        GVQZAniWnd* alert = factory.CreateQZAniWnd("VIP\\hold_alert.qza", p);
        markers[next] = alert;
        if (!scene.AddLoaded(alert)) return false;
        alert->SelectAnimation(kHoldAlertAnimation);
        StartHidden(*alert);
    }
    t.nuclearMarker = factory.CreateQZAniWnd("Hwatoo\\icon.qza", {0, 0});
    if (!scene.AddRunning(t.nuclearMarker)) return false;
    t.nuclearMarker->SelectAnimationByName("nuclear");
    return true;
}

bool RoomLoader::LoadDealEffects(WidgetFactory& factory)
{
    TableWidgets& t = scene.tableWidgets;
    // The deal's intro; the deal steps it itself, so the tick does not.
    t.dealAnimation = factory.CreateQZAniWnd("Effect\\tung.qza", {0, 0});
    if (!scene.AddLoaded(t.dealAnimation)) return false;
    // Over a card played while its seat has declared go three times or more.
    t.goCountAnimation = factory.CreateQZAniWnd("Effect\\gocount.qza", {0, 0});
    return scene.AddRunning(t.goCountAnimation);
}

bool RoomLoader::LoadLayerAnchor(WidgetFactory& factory)
{
    // The layer anchor: an empty box over the table area, after the card effects and before the
    // prompt. Moving cards, the hand pointer and the re-stacked pi piles go directly below it, over
    // every card at rest, marker and effect, and under the prompt, the buttons and what follows.
    scene.tableWidgets.layerAnchor = factory.CreateBoxWnd(Rect({0, 0}, kTableAreaSize), kCardBoxColor, 0, Visible::No);
    return scene.AddLoaded(scene.tableWidgets.layerAnchor);
}
