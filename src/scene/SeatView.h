#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/MessageBodies.h"
#include "protocol/RoundRecords.h"
#include "scene/SceneParts.h"

// The seats as the room shows them: the seat panels, the hand hints and marks over the table, the
// popup menu of a user's panel and the avatars' hit areas.
class SeatView {
public:
    explicit SeatView(CMirelleVWS& owner) : scene(owner) {}

    // Seat panels (SeatView.cpp).
    const CHTUser* FindOwnRoundRecord() const;
    void StepSeatPanels();
    // A seat's money on its player panel.
    void ShowSeatMoney(int seat);
    void UpdateGoBakAlert();

    // Hints, marks and the popup menu (SeatView_Hints.cpp).
    // Seat 0 or 1, or 2 for both: score, counter and bak panels from the round records, the voice-off and
    // black-list marks and the robot's avatar (seats without a screen slot: nothing).
    void RefreshSeatPanels(int which);
    // The same seats' score, counter and bak panels only.
    void RefreshSeatScores(int which);
    bool IsHintMissionCard(int32_t cardId) const;
    // The pending card: the first card message 79 named, while the own hand holds it.
    CVHTWnd* FindPendingCard() const;
    void HideHandHints();
    void ShowHandHints(bool show);
    // The held-bomb guides over the pending card and the floor, with their tool-tip and sound.
    void ShowBombGuides(const std::vector<int32_t>& hand);
    void ShowOwnOutline(bool show);
    void ShowFloorSlotMarkers(int flag);
    // The September clip over the September animal while the seat's animal pile holds it; show 0 hides it
    // whatever the seat (2 names both).
    void ShowNineTenClip(int seat, bool show);
    void HidePopupMenu();
    // Opens the popup menu of a user's panel at the point; show 0 or a key below 0 closes it.
    void ShowUserPopupMenu(bool show, int32_t userKey, Point at);
    bool IsPopupMenuShown() const;
    bool IsPopupMenuEntry(const GVWnd* wnd) const;
    static Rect SeatAvatarRect(int32_t slot);
    // The user key of the seat whose avatar (or player panel too) holds the point, else -1.
    enum class AvatarArea { AvatarOnly, WithPanel };
    int32_t SeatAvatarKeyAt(Point p, AvatarArea area) const;
    // The first robot avatar is loaded and none shows (no robot sits at the table).
    bool IsRobotAvatarHidden() const;
    // The area from the first to the last popup entry.
    Rect PopupMenuRect() const;
    void OnUserPopupCommand(int entry);
    void ToggleVoiceMute(int32_t userKey);

private:
    CMirelleVWS& scene;
};
