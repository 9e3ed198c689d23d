#pragma once

#include <array>

#include "foundation/core/Containers.h"
#include "protocol/RoomCodes.h"
#include "table/core/CardModel.h"

class CVBakIconWnd;
class CVCountWnd;
class CVGoBakAlertUIWnd;
class CVHTIconWnd;
class CVJumsuInfoWnd;
class CVUserInfoWnd;
class CVHTWnd;
class CVNotifyWnd;
class CVPSPPushBtn;
class CVResultWnd;
class GVAnimWnd;
class GVBoxWnd;
class GVLightTextWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVTextWnd;
class GVWnd;

class CCheckNotice;
class CVDesperateResultWnd;
class CVDesperateWnd;
class CVGFPlayCountWnd;
class CVMirelleBijouWnd;
class CVObserveSystemWnd;
class CVRankingPointWnd;
class CVRestrictOptionWnd;
class CVUserOptionWnd;
class GVAvatarWnd;

// The room's widgets by area. The scene's widget list owns them all; these are views into it,
// null until the loader creates them.

// The table: the 50 card windows, the deck and the markers the cards drag along.
struct TableWidgets {
    static constexpr int kMarkersPerHandSlot = 10;
    static constexpr int kFloorSlots = 12;
    static constexpr int kRemainMarkers = 20;
    static constexpr int kCardSizes = 3;  // small, normal, big

    GVQZSWnd* skin = nullptr;
    GVWnd* deckImage = nullptr;
    GVQZAniWnd* deckBackAnimation = nullptr;
    GVQZAniWnd* turnBlinkAnimation = nullptr;  // the turn marker

    GVQZAniWnd* remainCloseMarker = nullptr;
    std::array<GVQZAniWnd*, kRemainMarkers> remainHoldMarkers{};
    GVQZAniWnd* holdOpenMarker = nullptr;
    std::array<GVWnd*, kFloorSlots> floorMarkers{};              // the floor slots' outlines
    std::array<GVPSPWnd*, kFloorSlots - 1> litOutlines{};        // the outlines' frame 1

    std::array<CVHTWnd*, kCardCount> cardWnds{};
    std::array<GVBoxWnd*, kCardCount> cardBoxes{};               // the pile markers, over captured cards
    std::array<GVQZAniWnd*, kCardCount> missionMarkers{};
    std::array<CVHTWnd*, kCardSizes> cardSizeTemplates{};        // also the moving cards
    std::array<CVHTWnd*, 2> shadowCards{};                       // the trails of moving cards
    std::array<GVPSPWnd*, 2> bigCards{};
    std::array<GVQZSWnd*, 6> holdBombs{};                        // the pass markers
    GVPSPWnd* handPointer = nullptr;

    GVQZAniWnd* robotPlayAnimation = nullptr;
    GVQZSWnd* playStartImage = nullptr;
    GVQZAniWnd* selectSunAnimation = nullptr;
    GVQZAniWnd* hitEffect = nullptr;
    std::array<CVCountWnd*, 2> piCounts{};  // by screen slot: the pi pile's value

    std::array<std::array<GVWnd*, kMarkersPerHandSlot>, kHandSlots> handMarkers{};
    GVQZAniWnd* nuclearMarker = nullptr;

    GVQZAniWnd* dealAnimation = nullptr;
    GVQZAniWnd* turnHint = nullptr;  // under the own hand on the round's first turn (rooms 5..10)
    GVQZAniWnd* goCountAnimation = nullptr;
    GVBoxWnd* layerAnchor = nullptr;  // moving cards go directly below it
};

// The effects the card play shows: on the table, beside a seat and over a floor slot.
struct EffectWidgets {
    static constexpr int kCardEffects = 10;
    static constexpr int kActionPopups = 10;
    static constexpr int kEatMarks = 2;

    // jjock, ddadak, bbuck, self bbuck eat, all eat, kungjjak (twice), bomb, shake, nuclear bomb
    std::array<GVQZAniWnd*, kCardEffects> cardEffects{};
    std::array<GVQZAniWnd*, 2> sunNotify{};
    std::array<GVQZAniWnd*, kEatMarks> eatMarks{};  // bbuck eat, mission eat
    GVQZAniWnd* bombHoldOutline = nullptr;
    GVQZAniWnd* bombOpenOutline = nullptr;
    // assa (twice), panic, five gwang, godori, chungdan, hongdan, chodan, go, stop
    std::array<GVQZAniWnd*, kActionPopups> actionPopups{};
    GVQZAniWnd* goBakAnimation = nullptr;
};

// The panels of the two screen slots (0 the own side), and the own go alert.
struct SeatPanels {
    std::array<CVUserInfoWnd*, 2> userInfo{};
    std::array<CVJumsuInfoWnd*, 2> score{};
    std::array<CVHTIconWnd*, 2> counters{};
    std::array<CVBakIconWnd*, 2> bakIcons{};
    CVGoBakAlertUIWnd* goBakAlert = nullptr;
};

// The animations of the room as a whole.
struct RoomWidgets {
    GVQZAniWnd* hourlyAnimation = nullptr;
    GVQZAniWnd* waitingAnimation = nullptr;  // loops while the room waits for the robot's round
    GVQZAniWnd* playingAnimation = nullptr;  // loops in its place while a round of rooms 5..10 plays
    GVQZAniWnd* entryAnimation = nullptr;    // plays once when the room is entered
    GVQZAniWnd* countdownAnimation = nullptr;  // the decision's seconds, one frame each
    plist<GVQZAniWnd> animations;  // stepped by the tick
    CVNotifyWnd* notify = nullptr;  // the decision prompt
};

// The room's push buttons: the title bar's, the bottom bar's and the start button.
struct RoomButtons {
    GVTextWnd* titleText = nullptr;  // the room's title in the title bar
    GVQZSWnd* titleBack = nullptr;
    CVPSPPushBtn* autoPlaySetting = nullptr;  // image set 1 while auto-play is on
    CVPSPPushBtn* memo = nullptr;
    GVQZAniWnd* memoNotify = nullptr;
    CVPSPPushBtn* capture = nullptr;
    CVPSPPushBtn* minimize = nullptr;
    CVPSPPushBtn* fullScreen = nullptr;  // image set 1 in full screen
    CVPSPPushBtn* close = nullptr;

    CVPSPPushBtn* watch = nullptr;
    CVPSPPushBtn* join = nullptr;
    CVPSPPushBtn* option = nullptr;
    CVPSPPushBtn* vip = nullptr;
    CVPSPPushBtn* exit = nullptr;        // image set 1 is the give-up picture
    CVPSPPushBtn* cancelExit = nullptr;

    CVPSPPushBtn* start = nullptr;       // image set 1 while a seat has no user
    CVPSPPushBtn* autoPlayCancel = nullptr;
    CVPSPPushBtn* invite = nullptr;
    // The user pop-up menu's four entries, also listed in menuButtons (not owning).
    std::array<CVPSPPushBtn*, 4> popupMenu{};
    pvector<CVPSPPushBtn> menuButtons;
};

// The round result and what shows with it.
struct ResultWidgets {
    GVBoxWnd* resultBox = nullptr;    // dims the table under the result
    CVResultWnd* result = nullptr;
    GVPSPWnd* eventMark = nullptr;    // "Result\event_mark.psp"
    GVPSPWnd* streakBadge = nullptr;  // "Result\streak_badge.psp", one frame per streak length
    GVQZAniWnd* fireworks = nullptr;  // "Effect\winner.qza"
};

// The widgets of room entry and the first-player pick. The tournament title is made by room entry and
// the stake text is the bottom bar's; a widget no loader step makes (the chamgi background) stays null
// and the operations on it skip it.
struct EntryWidgets {
    GVPSPWnd* tournamentTitle = nullptr;
    GVTextWnd* stakeText = nullptr;
    GVWnd* inviteBack = nullptr;
    std::array<GVQZAniWnd*, 4> roundStart{};  // default, kind 1, kind 2, target-score
    GVPSPWnd* chamgiBackground = nullptr;
    CVObserveSystemWnd* observerBar = nullptr;
    std::array<GVAnimWnd*, 6> robotAvatars{};  // one shows while a robot is seated
    GVQZAniWnd* pickBoard = nullptr;          // the rock-paper-scissors board and its second clip
    GVQZAniWnd* pickBoardSecond = nullptr;
    std::array<GVQZAniWnd*, 3> handButtons{};
    GVQZSWnd* prizeBack = nullptr;  // the tournament prize and its two lines
    std::array<GVTextWnd*, 2> prizeTexts{};
};

// What shows beside the two avatar points (screen slot 0 the own side).
struct AvatarMarks {
    std::array<GVQZSWnd*, 2> disconnected{};
    std::array<GVQZSWnd*, 2> voiceOff{};
    std::array<GVQZSWnd*, 2> blacklisted{};
    std::array<GVPSPWnd*, 2> firstPlayer{};
    std::array<GVPSPWnd*, 2> robot{};  // over a robot player's avatar
    std::array<GVPSPWnd*, 2> badge{};  // frame = badge kind - 1
};

// The bet of the betting rooms: its back, three bet buttons, the kinds and the multiplier.
struct BettingWidgets {
    GVQZAniWnd* back = nullptr;
    std::array<CVPSPPushBtn*, 3> buttons{};  // button 1 has a second image set
    GVTextWnd* text = nullptr;
    std::array<GVQZAniWnd*, 2> kinds{};
    GVPSPWnd* dieWarning = nullptr;
    GVQZAniWnd* multiplier = nullptr;
    GVBoxWnd* tableCover = nullptr;  // the 800 x 520 box over the table that ends the bet's widgets
};

// Money around the table: the money return, the win limit, the money gift, the refills and the
// money-limit tooltips.
struct MoneyWidgets {
    GVQZSWnd* returnBack = nullptr;
    std::array<GVTextWnd*, 4> returnTexts{};  // the third is the fixed caption
    GVPSPWnd* winLimitMark = nullptr;
    GVQZAniWnd* giftNotice = nullptr;  // the result window lies directly below it
    GVQZAniWnd* giftAnimation = nullptr;
    GVQZAniWnd* giftAnimationOther = nullptr;
    std::array<GVQZAniWnd*, 2> refill{};  // by screen slot
    std::array<GVTextWnd*, 2> refillTexts{};
    GVQZAniWnd* getBijou = nullptr;
    GVPSPWnd* limitTooltip = nullptr;
    GVQZAniWnd* limitTooltipAnimation = nullptr;
    GVQZAniWnd* limitExplain = nullptr;
    GVPSPWnd* bombTooltip = nullptr;
};

// The rest of the room's marks: the nine-ten clip, the auto-play notice, the level and the first place.
struct RoomMarks {
    GVQZSWnd* nineTenClip = nullptr;
    GVPSPWnd* autoPlayNotice = nullptr;
    GVQZAniWnd* gameLevel = nullptr;
    GVQZAniWnd* firstPlace = nullptr;
};

// The mission panels, one per mission mode 1 to 5 (scene/CMirelleVWS_Missions.cpp).
class CVSMissionWnd;
class CVDMissionWnd;
class CVCMissionWnd;
class CVC2MissionWnd;
class CVKJMissionWnd;
struct MissionPanels {
    CVSMissionWnd* single = nullptr;
    CVDMissionWnd* twoCard = nullptr;
    CVCMissionWnd* cardC = nullptr;
    CVC2MissionWnd* cardC2 = nullptr;
    CVKJMissionWnd* kungjjak = nullptr;
};

// The panels around the table and the check notice (scene/CMirelleVWS_Periphery.cpp); the observer
// bar is an entry widget (entryWidgets.observerBar).
struct PeripheryWidgets {
    CVDesperateWnd* desperate = nullptr;  // the target-score panel
    CVGFPlayCountWnd* playCount = nullptr;
    CVRestrictOptionWnd* restrictOption = nullptr;
    CVRankingPointWnd* rankingPoint = nullptr;
    CVDesperateResultWnd* desperateResult = nullptr;
    CVMirelleBijouWnd* bijou = nullptr;
    CCheckNotice* checkNotice = nullptr;  // on top of everything
    CVUserOptionWnd* userOption = nullptr;  // the scene's options panel, for its room rows
};

// Every area's widgets; the scene fills them as it loads.
struct RoomWidgetSet {
    TableWidgets tableWidgets;
    RoomWidgets roomWidgets;
    EffectWidgets effects;
    SeatPanels seatPanels;
    RoomButtons roomButtons;
    ResultWidgets resultWidgets;
    EntryWidgets entryWidgets;
    AvatarMarks avatarMarks;
    BettingWidgets betting;
    MoneyWidgets moneyWidgets;
    RoomMarks roomMarks;
    PeripheryWidgets periphery;
    MissionPanels missions;
    std::array<GVAvatarWnd*, 2> seatAvatars{};  // by screen slot
};
