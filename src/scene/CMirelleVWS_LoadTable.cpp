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

bool CMirelleVWS::AddLoaded(GVWnd* wnd)
{
    if (!wnd) return false;
    AddWnd(wnd);
    return true;
}

bool CMirelleVWS::AddRunning(GVQZAniWnd* animation)
{
    if (!AddLoaded(animation)) return false;
    roomWidgets.animations.push_back(animation);
    return true;
}

bool CMirelleVWS::LoadTableAndDeck(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    t.skin = factory.CreateQZSWnd(FormatText("Back\\skin_%d.qzs", options.skin), {0, 0}, Visible::Yes);
    if (!AddLoaded(t.skin)) return false;
    if (!AddLoaded(periphery.desperate = CreateDesperateWnd())) return false;
    GVPSPWnd* deck = factory.CreatePSPWnd("Back\\deck.psp", kDeckPoint, Visible::Yes);
    t.deckImage = deck;
    if (!AddLoaded(deck)) return false;
    deck->SetFrame(options.skin);
    t.deckBackAnimation = factory.CreateQZAniWnd("Back\\chamgi_back.qza", {0, 0});
    if (!AddLoaded(t.deckBackAnimation)) return false;
    t.deckBackAnimation->SelectAnimation(options.skin);
    StartHidden(*t.deckBackAnimation);
    return AddLoaded(periphery.playCount = CreateGFPlayCountWnd());
}

bool CMirelleVWS::LoadTurnBlink(WidgetFactory& factory)
{
    roomButtons.titleText = factory.CreateTextWnd("", {182, 5}, {620, 14}, 12, 700, 0x949494);
    if (!AddLoaded(roomButtons.titleText)) return false;
    tableWidgets.turnBlinkAnimation = factory.CreateQZAniWnd("GameProcess\\turn_blink.qza", {0, 0});
    return AddLoaded(tableWidgets.turnBlinkAnimation) && LoadTitleButtons(factory);
}

bool CMirelleVWS::LoadFloorMarkers(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    t.remainCloseMarker = factory.CreateQZAniWnd("Hwatoo\\remainclose_open.qza", RemainMarkerPoint(0));
    if (!AddRunning(t.remainCloseMarker)) return false;
    for (int i = 0; i < TableWidgets::kRemainMarkers; ++i) {
        GVQZAniWnd*& m = t.remainHoldMarkers[static_cast<size_t>(i)];
        m = factory.CreateQZAniWnd("Hwatoo\\remainhold_open.qza", RemainMarkerPoint(i));
        if (!AddRunning(m)) return false;
    }
    // Stepped by the tick, so that it ends and hides after it played over a dealt card.
    t.holdOpenMarker = factory.CreateQZAniWnd("Hwatoo\\hold_open.qza", {0, 0});
    return AddRunning(t.holdOpenMarker);
}

bool CMirelleVWS::LoadFloorSlots(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    for (int slot = 0; slot < TableWidgets::kFloorSlots; ++slot) {
        GVPSPWnd* outline = factory.CreatePSPWnd("Hwatoo\\outline.psp", OutlinePoint(slot), Visible::No);
        t.floorMarkers[static_cast<size_t>(slot)] = outline;
        if (!AddLoaded(outline)) return false;
    }
    for (size_t i = 0; i < t.litOutlines.size(); ++i) {
        GVPSPWnd*& lit = t.litOutlines[i];
        lit = factory.CreatePSPWnd("Hwatoo\\outline.psp", OutlinePoint(static_cast<int>(i)), Visible::No);
        if (!AddLoaded(lit)) return false;
        lit->SetFrame(1);
    }
    return true;
}

bool CMirelleVWS::LoadCardWnds(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    // From the last slot down, so slot 0 ends on top.
    for (int slot = kCardCount - 1; slot >= 0; --slot) {
        const auto i = static_cast<size_t>(slot);
        t.cardWnds[i] = factory.CreateCardWnd(slot, "Hwatoo\\normal.bmp", kNormalCardSize);
        if (!AddLoaded(t.cardWnds[i])) return false;
        t.cardBoxes[i] = factory.CreateBoxWnd(t.cardWnds[i]->GetRect(), kCardBoxColor, kCardBoxFill, Visible::No);
        if (!AddLoaded(t.cardBoxes[i])) return false;
        t.missionMarkers[i] = factory.CreateQZAniWnd("Hwatoo\\icon.qza", {0, 0});
        if (!AddRunning(t.missionMarkers[i])) return false;
        t.missionMarkers[i]->SelectAnimationByName("OpenMission");
        StartHidden(*t.missionMarkers[i]);
    }
    return true;
}

bool CMirelleVWS::LoadMovingCards(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    const struct { const char* file; Size size; } sizes[TableWidgets::kCardSizes] = {
        {"Hwatoo\\small.bmp", kSmallCardSize}, {"Hwatoo\\normal.bmp", kNormalCardSize}, {"Hwatoo\\hold.bmp", kBigCardSize}};
    for (int kind = 0; kind < TableWidgets::kCardSizes; ++kind) {
        CVHTWnd*& card = t.cardSizeTemplates[static_cast<size_t>(kind)];
        card = factory.CreateCardWnd(kind, sizes[kind].file, sizes[kind].size);
        if (!AddLoaded(card)) return false;
        card->Enable(false);
        card->Show(false);
    }
    for (CVHTWnd*& shadow : t.shadowCards) {
        shadow = factory.CreateCardWnd(0, "Hwatoo\\shadow.bmp", kNormalCardSize);
        if (!AddLoaded(shadow)) return false;
        shadow->SetImageFrame(0);  // one picture, no card strip
        shadow->Show(false);
    }
    for (GVPSPWnd*& big : t.bigCards) {
        big = factory.CreatePSPWnd("Hwatoo\\big.psp", {0, 0}, Visible::No);
        if (!AddLoaded(big)) return false;
    }
    for (GVQZSWnd*& bomb : t.holdBombs) {
        bomb = factory.CreateQZSWnd("Hwatoo\\holdbomb.qzs", {0, 0}, Visible::No);
        if (!AddLoaded(bomb)) return false;
    }
    t.handPointer = factory.CreatePSPWnd("Hwatoo\\hand.psp", {0, 0}, Visible::No);
    return AddLoaded(t.handPointer);
}

bool CMirelleVWS::LoadPlayMarks(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    t.robotPlayAnimation = factory.CreateQZAniWnd("GameProcess\\robotplay.qza", {0, 0});
    if (!AddRunning(t.robotPlayAnimation)) return false;
    t.playStartImage = factory.CreateQZSWnd("GameProcess\\playstart.qzs", {636, 260}, Visible::No);
    if (!AddLoaded(t.playStartImage)) return false;
    t.selectSunAnimation = factory.CreateQZAniWnd("GameFunction\\SelectSun\\select_ht.qza", {0, 0});
    if (!AddLoaded(t.selectSunAnimation)) return false;
    for (CVCountWnd*& count : t.piCounts) {
        count = factory.CreateCountWnd();
        if (!AddLoaded(count)) return false;
    }
    t.hitEffect = factory.CreateQZAniWnd("Effect\\hit.qza", {0, 0});
    return AddRunning(t.hitEffect);
}

bool CMirelleVWS::LoadHandMarkers(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    for (int slot = 0; slot < TableWidgets::kHandSlots; ++slot) {
        auto& markers = t.handMarkers[static_cast<size_t>(slot)];
        const Point p = HandSlotPoint(slot);
        size_t next = 0;
        for (const char* name : kHandMarkerNames) {
            GVQZAniWnd* m = factory.CreateQZAniWnd("Hwatoo\\icon.qza", p);
            markers[next++] = m;
            if (!AddLoaded(m)) return false;
            m->SelectAnimationByName(name);
            StartHidden(*m);
        }
        GVQZAniWnd* alert = factory.CreateQZAniWnd("VIP\\hold_alert.qza", p);
        markers[next] = alert;
        if (!AddLoaded(alert)) return false;
        alert->SelectAnimation(kHoldAlertAnimation);
        StartHidden(*alert);
    }
    t.nuclearMarker = factory.CreateQZAniWnd("Hwatoo\\icon.qza", {0, 0});
    if (!AddRunning(t.nuclearMarker)) return false;
    t.nuclearMarker->SelectAnimationByName("nuclear");
    return true;
}

bool CMirelleVWS::LoadDealEffects(WidgetFactory& factory)
{
    TableWidgets& t = tableWidgets;
    // The deal's intro; the deal steps it itself, so the tick does not.
    t.dealAnimation = factory.CreateQZAniWnd("Effect\\tung.qza", {0, 0});
    if (!AddLoaded(t.dealAnimation)) return false;
    // Over a card played while its seat has declared go three times or more.
    t.goCountAnimation = factory.CreateQZAniWnd("Effect\\gocount.qza", {0, 0});
    return AddRunning(t.goCountAnimation);
}

bool CMirelleVWS::LoadLayerAnchor(WidgetFactory& factory)
{
    // The layer anchor: an empty box over the table area, after the card effects and before the
    // prompt. Moving cards, the hand pointer and the re-stacked pi piles go directly below it, over
    // every card at rest, marker and effect, and under the prompt, the buttons and what follows.
    tableWidgets.layerAnchor = factory.CreateBoxWnd(Rect({0, 0}, kTableAreaSize), kCardBoxColor, 0, Visible::No);
    return AddLoaded(tableWidgets.layerAnchor);
}
