#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/MessageBodies.h"
#include "scene/SceneParts.h"

// The room's side of the host: its calls, the chat and message boxes, the host's commands and
// notices, the seats' avatars and titles the host supplies.
class HostLink {
public:
    explicit HostLink(CMirelleVWS& owner) : scene(owner) {}

    // Host calls (HostLink.cpp).
    IHostInterface* GetHost() const;
    int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut);
    // The host's text for the own user (code 62), at most 256 bytes.
    std::string FetchHostText();
    void PostToHost(HostNotifyCode code);
    void PrintChatText(const std::string& text);
    BoxAnswer ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor);
    // Each seated player's key and money to the host, after every money change.
    void ReportSeatMoney();
    // IHostInterface::LeaveNotice, when a host is attached.
    void LeaveNoticeToHost(LeaveNoticeCode code);

    // The host's commands and notices, avatars and titles (HostLink_Notices.cpp).
    // Enter in the game window: WM_USER+2 with 0, 0 to the host's window.
    void PostCloseToHost();
    // The host's commands 14..29 (slot 14): 29 answers 1, the others 0.
    int OnHostCommand(int32_t userKey, int32_t command, const std::string& text, int32_t* value);
    // Command 23: a seated user's two record counters to the host (code 27).
    void SendUserCountsToHost(int32_t userKey);
    void SendKickListToHost();
    // Commands 14 (replace), 15 (add), 16 (remove); both seat panels follow a change.
    void UpdateBlacklist(int32_t command, const std::string& text);
    // Slot 4: a new avatar at the user's screen slot (0 or 1); -1 for anyone else.
    int SetUserAvatar(int32_t userKey, const std::string& itemList);
    bool ShowSeatAvatar(int32_t slot, const std::string& itemList);
    void RemoveAvatarAt(int32_t slot);
    // The seat's avatar as the host gives it for the user's avatar string; none without one.
    void LoadSeatAvatar(int seat);
    void RemoveSeatAvatar(int seat);
    void StepSeatAvatars();
    GVAvatarWnd* GetSeatAvatar(int32_t slot) const;
    // Slot 5: the user's title, shown on his player panel; -1 for a user without a seat.
    int SetUserTitle(int32_t userKey, const std::string& text);
    // Command 28: below 1 the memo button is disabled and its notice stops, else it plays.
    void ShowMemoNotify(int32_t count);
    void PrintMoneyGiftNotice(int64_t amount);
    // Refill kinds 2 and 3: each seated user's money, badge and label; the own user's chat and code 31.
    void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records);
    void HideRefillLabels();
    // Round end: the deck's next card face up and each seat's remaining hand, sorted.
    void RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands);

private:
    CMirelleVWS& scene;
};
