#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/GameMessage.h"
#include "table/flows/FlowFixture.h"

namespace {

using EventFlows = FlowFixture;

std::vector<std::string> Only(const std::vector<std::string>& calls, const std::string& prefix)
{
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

}  // namespace

TEST_F(EventFlows, TheVipMessageReachesTheHelper)
{
    VIPUpdate body;
    body.gates = {1, 1, 1};
    flows.Dispatch(GameMessage(body));
    EXPECT_EQ(stage.Count("Vip.OnVIPUpdate"), 1);
}

TEST_F(EventFlows, RoundEndsSwitchTheIconsOffAndCountTheOwnMoney)
{
    RoundResult result;
    result.moneyChange = {150000, -150000};
    flows.results.OnRoundResult(result);
    EXPECT_EQ(Only(stage.calls, "Vip."),
              (std::vector<std::string>{"Vip.UpdateJokboIcons -1 0", "Vip.PrintProgressNotice 150000"}));

    stage.Forget();
    records.GetPlayer(1).seatState = -2;  // a robot: no progress
    flows.results.OnRoundResult(result);
    EXPECT_EQ(stage.Count("Vip.PrintProgressNotice 150000"), 0);
}

TEST_F(EventFlows, TheGameEndGivesEachSeatsJackpotToThePromotions)
{
    GameEnd end;
    end.firstKey = kOwnKey;
    flows.results.OnGameEnd(end);
    EXPECT_EQ(Only(stage.calls, "Promotions.ShowJackpotResult"),
              (std::vector<std::string>{"Promotions.ShowJackpotResult 0 100", "Promotions.ShowJackpotResult 1 200"}));
}

TEST_F(EventFlows, TurnStartAndWaitingDriveTheIcons)
{
    flows.round.OnTurnStart(TurnStart{kOwnKey});
    EXPECT_EQ(stage.Count("Vip.UpdateJokboIcons 0 1"), 1);
    stage.Forget();
    WaitingForStart waiting;
    waiting.firstKey = kOwnKey;
    flows.round.OnWaitingForStart(waiting);
    EXPECT_EQ(stage.Count("Vip.HideAllIcons"), 1);
}
