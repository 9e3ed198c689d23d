#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/NotifyOwner.h"

class CMirelleVWS;

// The decision prompt's owner: the facts its notices depend on, the senders of its answers and its
// sounds. The loader makes the prompt; message handlers open it, answers and the phase timer close it.
class ScenePrompt final : public NotifyOwner {
public:
    explicit ScenePrompt(CMirelleVWS& owner) : scene(owner) {}

    // Notice kinds 6..28: a2, the 64-bit amount of a3:a4, the go count a5 and the flags a6, a7.
    int ShowNotify(int kind, int32_t a2 = 0, int64_t money = 0, int32_t goCount = 0, int32_t a6 = 0, int32_t a7 = 0);
    // Card notices and decisions, kinds 0..5, on the offered card ids.
    int ShowNotifySimple(int kind, const std::vector<int32_t>& cards);
    int ShowMissionNotify(int kind, int missionId, int variant, int64_t money);
    // F1 and F2 for the prompt, from the scene's key input; true when the prompt was shown to take them.
    bool AnswerNotifyByKey(int key);
    // The prompt's step of the frame tick.
    void StepNotify();

    // Closes the prompt and stops its sound.
    void HideNotify() override;
    Notify::NotifyRoom GetNotifyRoom() const override;
    void SendNotifyReply(const Notify::Reply& reply) override;
    void PlayNotifySound(SoundId id) override;
    void StopNotifySound(SoundId id) override;
    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;

private:
    CMirelleVWS& scene;
};
