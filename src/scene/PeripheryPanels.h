#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "views/PeripheryOwner.h"

class CMirelleVWS;

// The scene's side of the panels around the table: it owns nothing of theirs (the scene's widget
// list does) but answers what they ask of the room, keeps the observer bar's host-page state and
// takes the host's commands for the check notice and the observer bar.
class PeripheryPanels : public PeripheryOwner {
public:
    explicit PeripheryPanels(CMirelleVWS& owner) : scene(owner) {}

    // Host command 24: a notice for the own user starts the check notice; the host wants an
    // answer at its time 3.
    void OnCheckNotice(int32_t userKey, const std::string& text);
    // Host command 26: the host's answer to a page the observer bar asked for.
    void OnObserverResult(int32_t code, const std::string& text);
    // The view reset: an unanswered page request is dropped.
    void Reset();

    // PanelOwner
    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;
    // PeripheryOwner
    RoomFacts GetRoomFacts() const override;
    const RCUser& GetOwnUser() const override;
    bool GetSeatNames(int32_t seat, std::string& nickname, std::string& userId) const override;
    std::optional<int> RequestHost(HostRequestCode code, int32_t value) override;
    void RequestItemUse(int64_t amount) override;
    void OpenRefillPage() override;
    void PrintPanelChat(const std::string& text) override;
    void PlayPanelSound(SoundId id) override;
    void ShowPanelBox(const std::string& text, const std::string& title, uint32_t ms) override;
    ObserverRules::PageState GetPageState() const override { return pageState; }
    void SetPageState(ObserverRules::PageState state) override;
    void TakeSeat() override;
    bool IsDefaultBannerVisible() const override;
    void ShowDefaultBanner(bool show) override;

private:
    CMirelleVWS& scene;
    ObserverRules::PageState pageState = ObserverRules::PageState::None;
};
