#include <gtest/gtest.h>

#include "table/core/MessageQueue.h"

TEST(MessageQueue, QueueOwnsCopiesAndClearDestroysThem)
{
    CPayloadMgr queue;
    TurnStart turn;
    turn.turnKey = 3;
    GameMessage m(turn);
    queue.Append(m);
    queue.Append(GameMessage());
    DeleteGameMessage(m);
    ASSERT_FALSE(queue.IsEmpty());
    ASSERT_NE(queue.Front().Get<TurnStart>(), nullptr);
    EXPECT_EQ(queue.Front().Get<TurnStart>()->turnKey, 3);
    queue.RemoveFront();
    EXPECT_EQ(queue.Front().id, 0);
    queue.Append(GameMessage(turn));
    queue.busy = 1;
    queue.Clear();
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_EQ(queue.busy, 0);
    queue.RemoveFront();  // nothing to remove is not an error
}
