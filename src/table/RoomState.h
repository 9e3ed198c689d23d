#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The user's options, read from the registry at start-up, and what follows from them.
struct SceneOptions {
    int32_t volume = 0;         // hundredths of a decibel, 0 the loudest
    int32_t volumeReapply = 0;  // rounds of the tick that set the volume again
    int32_t cardSpeed = 0;      // -3..3
    bool soundOn = true;
    int32_t voiceType = 0;      // 0..3
    int32_t skin = 0;           // 0..1
    std::array<int32_t, 3> moveSteps{3, 3, 3};  // frames of a card move, by move kind
    int32_t stepDelay = 6;                      // milliseconds between frames of a card move
};

// What the table engine keeps between its moves.
struct TableState {
    // Set once the deal is played or a snapshot shown, cleared by the round results and the table
    // clear; the card play's messages do nothing without it.
    bool active = false;
    bool dealing = false;               // the deal is being shown
    bool handPointerShown = false;      // a bonus card's hand pointer follows the moving card
    std::vector<int32_t> dealFloorIds;  // the deal's floor card ids, in deal order
    bool handMarked = false;            // message 79 marked own hand cards
    int32_t promptKey = -1;             // whose decision the last prompt shown waits for
};

// The room's controls and the rules in force for the own user.
struct RoomControls {
    bool autoPlay = false;
    bool autoStart = false;
    bool macroEnabled = false;
    // Keeps the chat macros off whatever the rest timer and the voices option say.
    bool macroLocked = false;
    bool antiLeaveActive = false;
    bool roundStarted = false;
    bool tournamentGradeMismatch = false;
};

// What the scene learnt of its platform and its host at start-up.
struct SceneEnvironment {
    int32_t colourKey = -1;
    int32_t dllVersion = -1;
    int32_t screenDepth = 0;
    bool isNT = false;
    int32_t hostNotifyValue = 0;  // wParam of the notices posted to the host's window
};

// What room entry, seating and the first-player pick keep between messages.
struct EntryState {
    int32_t entryValue = 0;
    int32_t firstKey = -1;             // the first player's key, marked on its seat's panel
    int32_t antiLeaveCount = 0;        // from the seat answer, in anti-leave rooms
    bool tournamentFinished = false;   // results 210 and 213
    // Nothing writes these yet: the game-end cap notice is to set the first flag when it is shown.
    std::array<bool, 4> moneyNoticeFlags{};
    int64_t pendingValue = 0;
    std::string hostText;              // the host's text for the own user, passed on with request 36
    bool itemReserved = false;
    int32_t leaveValue = 0;
    std::vector<int32_t> pickSlots;    // card-window slots laid face down for the pick
    int32_t hoveredChoice = -1;        // the hand pick's choice showing its mouse-over clip
    int32_t chamgiKind = 0;
    int32_t chamgiStage = 0;
    int32_t stepValue = 0;             // kept from the snapshot
    int32_t turnValue = 0;
};
