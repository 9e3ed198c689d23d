#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/WindowTimer.h"

#include "support/RoomTestSupport.h"
#include "scene/HostLink.h"

namespace {

// The main window's message telling it the loader has built the widgets: it takes up the queue.
constexpr UINT kLoadedMessage = WM_APP + 6;
using Values = std::vector<int32_t>;

// Message 13 (HostText) passes its text on through HostRequest code 0, so the fake host sees each
// handler run; `during` lets a handler wait or receive more messages. (Pings are answered as they
// arrive, past the queue: they cannot show its order.)
HostText Probe(int32_t value)
{
    HostText text;
    text.text = std::to_string(value);
    return text;
}

class Dispatch : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        host.onHostRequest = [this](const HostRequestCall& c) {
            if (c.code != static_cast<int>(HostRequestCode::PassText) || !c.text) return;
            const int32_t value = std::stoi(*c.text);
            maxDepth = std::max(maxDepth, ++depth);
            handled.push_back(value);
            if (during) during(value);
            --depth;
        };
    }
    // Delivers the first message, lets its handler run `wait`, then steps three frame ticks.
    void RunFirst(const std::function<void()>& wait)
    {
        handled.clear();
        maxDepth = 0;
        during = [&](int32_t value) { if (value == 1) wait(); };
        EXPECT_EQ(Deliver(Probe(1)), 0);
        for (int i = 0; i < 3; ++i) Clock::Advance(50), Scene().Tick();
        during = nullptr;
        EXPECT_EQ(maxDepth, 1) << "dispatch re-entered";
    }
    void Queue(int32_t value) { Scene().GetQueue().Append(GameMessage(Probe(value))); }
    void WaitInMessageBox(std::function<void()> meanwhile)
    {
        AnswerNextBox(IDOK, std::move(meanwhile));
        EXPECT_EQ(Scene().Link().ShowMessageBox("wait", BoxType::Ok, 0, "", 0), BoxAnswer::Ok);
        EXPECT_TRUE(nextBox.answered) << "no box was shown";
    }

    Values handled;
    int depth = 0, maxDepth = 0;
    std::function<void(int32_t)> during;
};

}  // namespace

TEST_F(Dispatch, MessagesArrivingWhileAHandlerWaitsAreHandledAfterItInOrder)
{
    const auto deliverTwo = [this] { Deliver(Probe(2)), Deliver(Probe(3)); };
    const auto queueTwo = [this] { Queue(2), Queue(3); };
    const struct { const char* name; std::function<void()> wait; } cases[] = {
        {"delivered, then the ticks of a Delay", [&] { deliverTwo(), Scene().Delay(300); }},
        {"delivered during a message box", [&] { WaitInMessageBox(deliverTwo); }},
        {"queued, then the loader's end message in a message box",
         [&] { queueTwo(), WaitInMessageBox([this] { PostMessageA(gameWnd, kLoadedMessage, 0, 0); }); }},
        {"queued, then frame ticks in a message box",
         [&] { queueTwo(), Scene().StartFrameTimer(), WaitInMessageBox([] { WindowTimer::AdvanceAndFire(300); }); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunFirst([&] {
            c.wait();
            EXPECT_EQ(handled.size(), 1u) << "a message was handled inside the running handler";
        });
        Scene().StopTimer(TimerId::Frame);
        EXPECT_EQ(handled, (Values{1, 2, 3}));
        EXPECT_FALSE(Scene().IsHandlingMessage() || !Scene().GetQueue().IsEmpty()) << "the queue is left busy or full";
    }
}

TEST_F(Dispatch, ResetInsideAHandlerDoesNotReenterIt)
{
    const struct { const char* name; std::function<void()> reset; Values handled; } cases[] = {
        {"the scene's reset", [this] { Scene().ResetGameState(); }, {1, 4}},
        {"the host's reset, carried out when the handler returns", [this] { EXPECT_EQ(Client()->ResetRoom(), 0); }, {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunFirst([&] {
            Deliver(Probe(2)), Deliver(Probe(3));
            c.reset();
            EXPECT_TRUE(Scene().IsHandlingMessage()) << "the reset ended the running handler's busy state";
            Deliver(Probe(4));
            Scene().Delay(300);
        });
        EXPECT_EQ(handled, c.handled);
        EXPECT_EQ(Deliver(Probe(9)), 0);
        EXPECT_EQ(handled.back(), 9) << "the queue stopped after the reset";
    }
}

TEST_F(Dispatch, AHandlerThatThrowsLeavesTheQueueIdle)
{
    during = [](int32_t value) { if (value == 1) throw std::runtime_error("handler failed"); };
    EXPECT_EQ(Deliver(Probe(1)), -1) << "the failure is reported at the boundary";
    EXPECT_FALSE(Scene().IsHandlingMessage());
    EXPECT_EQ(Deliver(Probe(2)), 0);
    EXPECT_EQ(handled, (Values{1, 2})) << "the room stopped handling messages";
}

TEST_F(Dispatch, EachIdReachesItsHandlerWithItsBodyOthersAreConsumed)
{
    // The ids' answers to the host in order are the message burst replay's.
    host.Forget();
    EXPECT_EQ(Deliver(ServerValueForHost{8}) + Deliver(ClearEffects{}) + Deliver(RoundStart{}), 0);
    GameMessage mislabelled(RoundStart{});
    mislabelled.id = ServerValueForHost::kId;
    Scene().EnqueueGameMessage(mislabelled);
    EXPECT_EQ(host.hostRequests.size(), 1u) << "one handler for message 77, none for the others or a wrong body";
    const auto answers = host.RequestsWithCode(static_cast<int>(HostRequestCode::ServerValue));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].inOut, 8) << "the handler did not get the body";
    EXPECT_TRUE(host.sent.empty() && host.chat.empty());
}

TEST_F(Dispatch, PingsAreAnsweredAtOnceWhileAHandlerWaits)
{
    const int serverValue = static_cast<int>(HostRequestCode::ServerValue);
    const struct { const char* name; std::function<void(std::function<void()>)> wait; } cases[] = {
        {"in a message box", [this](std::function<void()> meanwhile) { WaitInMessageBox(std::move(meanwhile)); }},
        {"in a Delay", [this](std::function<void()> meanwhile) { meanwhile(), Scene().Delay(300); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.Forget();
        RunFirst([&] {
            c.wait([&] {
                Deliver(ServerValueForHost{5}), Deliver(ServerValueForHost{6});
                const auto answers = host.RequestsWithCode(serverValue);
                ASSERT_EQ(answers.size(), 2u) << "a ping waited for the running handler";
                EXPECT_EQ(answers[0].inOut, 5);
                EXPECT_EQ(answers[1].inOut, 6);
            });
        });
        EXPECT_EQ(handled, Values{1});
    }
}
