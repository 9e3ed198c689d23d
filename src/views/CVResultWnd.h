#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "protocol/MessageBodies.h"
#include "views/CVPanel.h"
#include "views/ResultOwner.h"
#include "views/core/ResultRules.h"
#include "views/core/ScoreDetail.h"

class CVItemWnd;
class CVPSPPushBtn;
class CVQZATextWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVTextWnd;

// The round-end panel: won, lost or drawn from the viewed seat's side, the money change revealed
// glyph by glyph, the score breakdown, special endings, and the buttons that answer the server.
class CVResultWnd : public CVPanel {
public:
    static constexpr Size kSize{400, 460};
    static constexpr Point kPosition{156, 39};
    static constexpr int kScoreIcons = ScoreDetail::kIcons;

    CVResultWnd() : CVPanel(kSize, MouseRouting::Yes) {}
    ~CVResultWnd() override = default;

    void Clear() override;
    // The 28 children in drawing order, then hidden at kPosition; false at the first that fails.
    [[nodiscard]] bool CreateChildren(ResultOwner& room);

    // Message 49, 52 and 54. A result the panel cannot show leaves it reset and hidden.
    void SetRoundResult(const RoundResult& body);
    void SetTournamentResult(const TournamentRoundResult& body);
    void SetEventResult(const EventRoundResult& body);
    // Message 55: a chamgi step, then the OK button again.
    void SetResultStep(int32_t step, int32_t seat, int32_t value);
    int Reset();
    void SetItemShown(bool flag);
    void ShowAutoStartButton(bool show, bool enable);

    // The money reveal, then the big multiplier 650 ms after it.
    int Step() override;
    // Space, F1 and F2 answer through the visible buttons; always 0, so the key goes on.
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
    int OnLButtonUp(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;

    int32_t GetTotal() const { return total; }
    int32_t GetMultiplier() const { return multiplier; }
    bool IsItemShown() const { return itemShown; }
    bool IsRevealPending() const { return revealPending; }
    GVQZAniWnd* GetBack() const { return back; }
    GVQZSWnd* GetShadow() const { return shadow; }
    GVPSPWnd* GetScoreIcon(ScoreDetail::Icon icon) const { return icons[static_cast<size_t>(icon)]; }
    GVTextWnd* GetCaption() const { return caption; }
    CVQZATextWnd* GetMoney() const { return money; }
    GVTextWnd* GetNote() const { return note; }
    GVTextWnd* GetPointsLine() const { return pointsLine; }
    GVTextWnd* GetPointsTimes() const { return pointsTimes; }
    CVQZATextWnd* GetMultiplierText() const { return multiplierText; }
    GVPSPWnd* GetNoticeIcon() const { return noticeIcon; }
    GVWnd* GetButton(ResultRules::Button b) const { return buttons[static_cast<size_t>(b)]; }
    GVPSPWnd* GetContinueArt() const { return continueArt; }
    CVPSPPushBtn* GetAutoStart() const { return autoStart; }
    CVItemWnd* GetItemWnd() const { return itemWnd; }

protected:
    void OnChildClick(GVWnd& child) override;

private:
    ResultOwner* Owner() const { return resultOwner; }
    CVPSPPushBtn* PushButton(ResultRules::Button b) const;
    void ShowButton(ResultRules::Button b, bool show);
    std::array<bool, ResultRules::kButtons> VisibleButtons() const;
    void SendAnswer(ResultRules::Answer answer);
    void PlayBack(const char* clip);
    void StartMoney(const std::string& text);
    void ShowCaption(const std::string& text);
    void SetNote(const std::string& text);
    void ShowNotice(int frame);
    // The won-or-lost part shared by the round and tournament results; false when nothing shows.
    bool ShowSide(const ResultOwner::Room& room, const ResultRules::Side& side, int64_t change);
    void ShowDraw(const ResultOwner::Room& room, int32_t drawCount);
    void ApplyBreakdown(bool won, const WinInfo& win, const std::vector<BakEntry>& baks, int32_t drawCount,
                        const ResultOwner::Room& room);
    void PlayEndSounds(bool won, const WinInfo& win);
    void ShowSpecialEnding(ResultRules::Ending ending, bool won, int seat, const ResultOwner::Room& room);
    void ApplyButtons(const ResultRules::ButtonSet& set);
    void Open();
    int StepMoney();

    ResultOwner* resultOwner = nullptr;
    GVQZSWnd* shadow = nullptr;
    std::array<GVPSPWnd*, kScoreIcons> icons{};
    GVQZAniWnd* back = nullptr;
    GVTextWnd* caption = nullptr;
    CVQZATextWnd* money = nullptr;
    GVTextWnd* note = nullptr;
    GVTextWnd* pointsLine = nullptr;
    GVTextWnd* pointsTimes = nullptr;
    CVQZATextWnd* multiplierText = nullptr;
    GVPSPWnd* noticeIcon = nullptr;
    std::array<GVWnd*, ResultRules::kButtons> buttons{};  // chamgi waiting is a sheet, the rest buttons
    GVPSPWnd* continueArt = nullptr;
    CVPSPPushBtn* autoStart = nullptr;
    CVItemWnd* itemWnd = nullptr;

    int32_t total = 0;
    int32_t multiplier = 1;
    bool itemShown = false;
    bool waitingTung = false;
    bool revealPending = false;
    uint32_t revealStamp = 0;
    int moneyRevealed = 0;     // glyphs of the money text revealed so far
    bool hoverSound = false;   // sound 57 started by hovering over chamgi
};
