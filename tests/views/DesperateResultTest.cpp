#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "RoomPanelSupport.h"
#include "scene/SceneResult.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

using ResultRules::Answer;

// The target-score result's owner: keeps the answers, challenges and sounds it is asked for.
class TargetScoreOwner final : public SceneImagesOwner<ResultOwner, CVDesperateResultWnd> {
public:
    explicit TargetScoreOwner(CMirelleVWS& s) : SceneImagesOwner(s)
    {
        room.viewer = {100, 0, {100, 200}}, room.nicknames = {"하나", "두리"}, room.seatOnScreen = {true, true};
        room.roomKind = 41;
        targetScore.bet = 10'000, targetScore.seatMoney = {25'000, 100'000}, targetScore.points = {3, 7};
    }
    Room GetResultRoom() const override { return room; }
    TargetScoreRoom GetTargetScoreRoom() const override { return targetScore; }
    void SendChallenge(int choice) override { challenges.push_back(choice); }
    void SendResultAnswer(Answer a) override { answers.push_back(a); }
    void HideRoundResult() override { ++hides, wnd->Reset(); }
    void PlayResultSound(SoundId id) override { sounds.push_back(static_cast<int>(id)); }
    void StopResultSound(SoundId) override {}
    void PlayResultVoice(VoiceCue, int) override {}
    void PrintResultChat(const std::string&) override {}
    void ShowEventMark(bool) override {}
    void StartFireworks() override {}
    bool ToggleAutoStart() override { return false; }
    CVItemWnd* CreateItemWnd() override { return scene.Result().CreateItemWnd(); }

    bool Played(int id) const { return std::find(sounds.begin(), sounds.end(), id) != sounds.end(); }
    void Forget() { answers.clear(), challenges.clear(), sounds.clear(), hides = 0; }

    Room room;
    TargetScoreRoom targetScore;
    std::vector<Answer> answers;
    std::vector<int> challenges;
    std::vector<int> sounds;
    int hides = 0;
};

constexpr int kClick = 20, kFinalWon = 104, kFinalLost = 105, kGameOver = 112;

// A game's last round: seat 1 won unless `winner` says otherwise.
DesperateRoundResult LastRound(int32_t winner = 1)
{
    DesperateRoundResult r{.resultKind = 0, .winnerKey = winner == 0 ? 100u : 200u, .gameOver = 1};
    r.roundMoney = {winner == 0 ? 5000 : -5000, winner == 0 ? -5000 : 5000};
    r.winInfo.winnerSeat = winner;
    r.winInfo.categoryPoints = {3, 0, 0, 1, 0, 0, 0, 0};
    return r;
}

class TargetScoreResult : public RoomPanelFixture<CVDesperateResultWnd, TargetScoreOwner> {
protected:
    using Stage = CVDesperateResultWnd::Stage;
    void StepFor(uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 10) Clock::Advance(10), panel.Step();
    }
    std::array<bool, 3> Shown() const
    {
        std::array<bool, 3> on{};
        for (int i = 0; i < 3; ++i) on[size_t(i)] = panel.GetChallengeButton(i)->IsVisible();
        return on;
    }
    std::array<bool, 3> Enabled() const
    {
        std::array<bool, 3> on{};
        for (int i = 0; i < 3; ++i) on[size_t(i)] = panel.GetChallengeButton(i)->IsEnabled();
        return on;
    }
};

}  // namespace

// The loser's game end counts for 6 s, then changes to the final stage by itself with the
// challenges its money and the winner's allow.
TEST_F(TargetScoreResult, CountingStageTurnsFinalAfterSixSeconds)
{
    panel.SetResult(LastRound());
    ASSERT_TRUE(panel.IsVisible());
    EXPECT_EQ(panel.GetStage(), Stage::Counting);
    EXPECT_TRUE(owner->Played(kGameOver));
    EXPECT_EQ(Shown(), (std::array<bool, 3>{})) << "no challenge while counting";
    StepFor(5990);
    EXPECT_EQ(panel.GetStage(), Stage::Counting) << "still counting before 6 s";
    EXPECT_FALSE(owner->Played(kFinalLost));
    StepFor(20);
    EXPECT_EQ(panel.GetStage(), Stage::Final);
    EXPECT_TRUE(owner->Played(kFinalLost));
    EXPECT_EQ(Shown(), (std::array<bool, 3>{true, true, true}));
    // 25,000 against 100,000 at a bet of 10,000: twice the bet is covered, three times not, and
    // the winner holds more.
    EXPECT_EQ(Enabled(), (std::array<bool, 3>{true, false, true}));
    EXPECT_TRUE(panel.GetButton(CVDesperateResultWnd::Button::Ok)->IsVisible());
    EXPECT_TRUE(owner->answers.empty()) << "the change answers nothing";
}

// OK while counting only skips to the final stage; OK there answers and closes. An enabled
// challenge sends its choice, a disabled one nothing.
TEST_F(TargetScoreResult, OkInTheCountingStageSkipsToTheFinalStage)
{
    const struct { const char* name; int32_t winner; bool challenges; int finalSound; } cases[] = {
        {"the loser", 1, true, kFinalLost},
        {"the winner", 0, false, kFinalWon},
    };
    for (const auto& c : cases) {
        owner->Forget();
        panel.SetResult(LastRound(c.winner));
        CVPSPPushBtn& ok = *panel.GetButton(CVDesperateResultWnd::Button::Ok);
        Click(panel, ok);
        EXPECT_EQ(panel.GetStage(), Stage::Final) << c.name;
        EXPECT_TRUE(owner->answers.empty()) << c.name;
        EXPECT_FALSE(owner->Played(kClick)) << c.name;
        EXPECT_TRUE(owner->Played(c.finalSound)) << c.name;
        EXPECT_EQ(Shown()[0], c.challenges) << c.name;
        if (c.challenges) {
            Click(panel, *panel.GetChallengeButton(1));
            EXPECT_TRUE(owner->challenges.empty()) << c.name << ": challenge 2 is disabled";
            Click(panel, *panel.GetChallengeButton(2));
            EXPECT_EQ(owner->challenges, std::vector<int>{3}) << c.name;
        }
        owner->sounds.clear();
        Click(panel, *panel.GetButton(CVDesperateResultWnd::Button::Ok));
        EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::ResultOk}) << c.name;
        EXPECT_TRUE(owner->Played(kClick)) << c.name;
        EXPECT_EQ(owner->hides, 1) << c.name;
    }
}
