#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "support/RoomTestSupport.h"

namespace {

// Message 77 (HostCode70) is answered through HostRequest code 70 with the body's value, so the
// fake host sees each handler run; `during` lets a handler wait or receive more messages.
class Dispatch : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        host.onHostRequest = [this](const HostRequestCall& c) {
            if (c.code != 70 || !c.inOut) return;
            ++depth;
            maxDepth = std::max(maxDepth, depth);
            handled.push_back(*c.inOut);
            if (during) during(*c.inOut);
            --depth;
        };
    }
    // Steps the frame tick `n` times, 50 virtual milliseconds apart.
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            Clock::Advance(50);
            Scene().Tick();
        }
    }
    size_t Queued() { return Scene().GetQueue().messages.size(); }

    std::vector<int32_t> handled;
    int depth = 0;
    int maxDepth = 0;
    std::function<void(int32_t)> during;
};

}  // namespace

TEST_F(Dispatch, IdleQueueHandlesAMessageBeforeTheCallReturns)
{
    EXPECT_EQ(Deliver(HostCode70{7}), 0);
    EXPECT_EQ(handled, std::vector<int32_t>{7});
    EXPECT_EQ(Queued(), 0u);
    EXPECT_FALSE(Scene().IsHandlingMessage());
}

TEST_F(Dispatch, MessagesArrivingDuringADelayAreHandledOnePerTickInOrder)
{
    during = [this](int32_t value) {
        if (value != 1) return;
        for (int32_t v : {2, 3, 4}) EXPECT_EQ(Deliver(HostCode70{v}), 0);
        Scene().Delay(300);  // ticks run in here; none may take a message
        EXPECT_EQ(handled.size(), 1u) << "a message was handled inside the running handler";
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    EXPECT_EQ(handled, std::vector<int32_t>{1});
    EXPECT_EQ(Queued(), 3u);
    EXPECT_FALSE(Scene().IsHandlingMessage());

    for (size_t n = 2; n <= 4; ++n) {
        Ticks(1);
        EXPECT_EQ(handled.size(), n) << "one message per tick";
    }
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(Queued(), 0u);
    Ticks(3);
    EXPECT_EQ(handled.size(), 4u) << "a message was handled twice";
}

TEST_F(Dispatch, MessagesArrivingDuringAHandlerWaitBehindTheOnesBefore)
{
    // A message delivered after the handler returned still comes after the queued ones.
    during = [this](int32_t value) {
        if (value == 1) {
            EXPECT_EQ(Deliver(HostCode70{2}), 0);
        }
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    EXPECT_EQ(Deliver(HostCode70{3}), 0);
    Ticks(3);
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(maxDepth, 1);
}

// A reset of the game state inside a handler drops the waiting messages but keeps the busy flag,
// so the next message delivered waits for the handler instead of dispatching inside it.
TEST_F(Dispatch, QueueClearDuringAHandlerDoesNotReenter)
{
    during = [this](int32_t value) {
        if (value != 1) return;
        EXPECT_EQ(Deliver(HostCode70{2}), 0);
        EXPECT_EQ(Deliver(HostCode70{3}), 0);
        Scene().ResetGameState();
        EXPECT_TRUE(Scene().IsHandlingMessage()) << "the clear ended the running handler's busy state";
        EXPECT_EQ(Deliver(HostCode70{4}), 0);
        Scene().Delay(300);
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    EXPECT_EQ(maxDepth, 1) << "dispatch re-entered";
    Ticks(3);
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 4})) << "the cleared messages are never handled";
    EXPECT_EQ(Queued(), 0u);
}

TEST_F(Dispatch, QueueClearDuringAHandlerLeavesItsMessageAlone)
{
    // The message in hand was taken off the queue: the clear cannot free it under the handler.
    during = [this](int32_t value) {
        if (value != 1) return;
        EXPECT_EQ(Deliver(HostCode70{2}), 0);
        Scene().GetQueue().ClearQueue();
        Scene().Delay(100);
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    Ticks(2);
    EXPECT_EQ(handled, std::vector<int32_t>{1});
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(Deliver(HostCode70{5}), 0);
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 5})) << "the queue works after the clear";
}

TEST_F(Dispatch, HostResetDuringAHandlerWaitsForIt)
{
    during = [this](int32_t value) {
        if (value != 1) return;
        EXPECT_EQ(Deliver(HostCode70{2}), 0);
        EXPECT_EQ(Deliver(HostCode70{3}), 0);
        EXPECT_EQ(Client()->ResetRoom(), 0);
        EXPECT_EQ(Queued(), 2u) << "reset at once, under the handler";
        Scene().Delay(300);
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    EXPECT_EQ(Queued(), 0u) << "the reset is carried out when the handler returned";
    Ticks(3);
    EXPECT_EQ(handled, std::vector<int32_t>{1});
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(Deliver(HostCode70{4}), 0);
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 4}));
}

TEST_F(Dispatch, RoomDeletedNoticePrintsExactlyOneChatLine)
{
    for (int run = 1; run <= 2; ++run) {
        host.Forget();
        EXPECT_EQ(Deliver(RoomDeletedNotice{}), 0);
        ASSERT_EQ(host.chat.size(), 2u) << "run " << run;
        std::string line;
        for (const auto& c : host.chat) {
            EXPECT_EQ(c.text.find('\n'), std::string::npos) << "run " << run << ": a second line";
            EXPECT_EQ(c.link, "") << "run " << run;
            line += c.text;
        }
        EXPECT_EQ(line, "[폴리스] 불건전 방제로 방이 삭제됩니다") << "run " << run;
        EXPECT_EQ(host.chat[0].bold, 0);
        EXPECT_EQ(host.chat[0].weight, 400);
        EXPECT_EQ(host.chat[1].bold, 1);
        EXPECT_EQ(host.chat[1].weight, 700);
        EXPECT_EQ(host.chat[1].color, 11);
        EXPECT_TRUE(host.sent.empty());
    }
}

TEST_F(Dispatch, HostCodeMessagesAnswerTheHostOnly)
{
    EXPECT_EQ(Deliver(HostCode75{}), 0);
    const auto calls = host.RequestsWithCode(75);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].inOut, 0);
    EXPECT_EQ(calls[0].userKey, Scene().ownUser.userKey);
    EXPECT_FALSE(calls[0].text.has_value());
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(Dispatch, MessagesWithoutAHandlerAreConsumed)
{
    host.Forget();
    EXPECT_EQ(Deliver(ClearEffects{}), 0);
    EXPECT_EQ(Deliver(RoundStart{}), 0);
    EXPECT_EQ(Queued(), 0u);
    EXPECT_TRUE(host.hostRequests.empty());
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.chat.empty());
    EXPECT_EQ(Deliver(HostCode70{8}), 0);
    EXPECT_EQ(handled, std::vector<int32_t>{8});
}

TEST_F(Dispatch, AHandlerThatThrowsLeavesTheQueueIdle)
{
    during = [](int32_t value) {
        if (value == 1) throw std::runtime_error("handler failed");
    };
    EXPECT_EQ(Deliver(HostCode70{1}), -1) << "the failure is reported at the boundary";
    EXPECT_FALSE(Scene().IsHandlingMessage());
    EXPECT_EQ(Deliver(HostCode70{2}), 0);
    EXPECT_EQ(handled, (std::vector<int32_t>{1, 2})) << "the room stopped handling messages";
}
