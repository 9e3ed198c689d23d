#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/MessageBodies.h"
#include "scene/SceneParts.h"
#include "views/UserOptionOwner.h"

// The user's choices in the room: the option window and its owner, the title buttons, auto-play,
// chat macros, the skin and the forced-exit question.
class RoomOptions final : public UserOptionOwner {
public:
    explicit RoomOptions(CMirelleVWS& owner) : scene(owner) {}

    // The option window (RoomOptions.cpp): 1 when it opened; Close answers 1 when it was open.
    int OpenOptionWindow();
    int CloseOptionWindow();
    // The option window's OK: applies and stores the choices.
    void ApplyGameOptions();
    void PrintOptionSummary();
    void ShowMacroControl(bool enabled);
    void PreviewOptionVoice(int32_t voiceType) override;
    std::string GetVoiceName(int32_t gender, int32_t voiceType) const override;
    bool IsRoundInPlay() const override;
    void OnOptionOk() override { ApplyGameOptions(); }
    // The room rows and the sliders' volumes (RoomOptions_Room.cpp).
    UserOptionRules::RoomInfo GetOptionRoomInfo() const override;
    void OnGameVolumeReleased(int32_t volume) override;
    void OnMusicVolumeReleased(int32_t volume) override;
    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;

    // Title buttons (RoomOptions_TitleButtons.cpp). The one place a title control changes: the host's
    // control (code 45) and the scene's own button. Names: "observe", "play", "exit" (state 1: the
    // give-up control), "cancelexit", "option", "vip".
    void SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state);
    void UpdatePlayObserveButtons(int flag);
    void UpdateExitButtons(int flag);
    // Host command 27: one of the host's title buttons was clicked.
    void OnHostButton(const std::string& name, int32_t value);
    int OpenVipDialog();
    void OnVipDialogClosed();
    // The title bar's caption.
    void SetTitleBarText(const std::string& text);

    // Forced exit, auto-play, chat macros and the skin (RoomOptions_Controls.cpp).
    // The forced-exit question for a user (the popup menu and the host's slot 11).
    int RequestForcedExit(int32_t targetUserKey);
    void SetAutoPlay(bool on);
    void ShowAutoPlayNotice(bool show);
    void SetAutoPlayButtonEnabled(bool enable);
    // Speaks macro 0..9 in the user's seat; the own user's phrase goes to the host and the control rests.
    void SendChatMacro(int index, int32_t userKey);
    void SetMacroEnabled(bool enabled);
    // 1 when the skin's table picture loaded (with reload) and the skin changed.
    int SetSkin(int skin, int reload);
    // The mission panels and the kungjjak panel in the table's skin.
    void SetMissionSkins(int skin);

private:
    CMirelleVWS& scene;
};
