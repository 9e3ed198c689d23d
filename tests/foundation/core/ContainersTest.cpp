#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "foundation/core/Containers.h"

namespace {
struct Counted {
    static inline int alive = 0;
    Counted() { ++alive; }
    ~Counted() { --alive; }
};
}  // namespace

TEST(PointerContainers, NeverDeleteWhatTheyHold)
{
    auto a = std::make_unique<Counted>();
    auto b = std::make_unique<Counted>();
    {
        plist<Counted> list{a.get(), b.get(), a.get()};
        EXPECT_TRUE(list.Contains(b.get()));
        EXPECT_TRUE(list.Remove(a.get()));
        EXPECT_EQ(list.size(), 1u) << "every occurrence is taken out";
        EXPECT_FALSE(list.Remove(a.get()));
        pvector<Counted> vec{a.get(), b.get()};
        EXPECT_EQ(vec.At(1), b.get());
        EXPECT_EQ(vec.At(2), nullptr);
    }
    EXPECT_EQ(Counted::alive, 2);
}

TEST(ArcArrayT, HoldsExactlyNAndRefusesOtherIndexes)
{
    ArcArrayT<int, 2> seats;
    seats[0] = 7;
    seats[1] = 8;
    EXPECT_EQ(seats.Count(), 2u);
    EXPECT_TRUE(seats.IsValidIndex(1));
    EXPECT_FALSE(seats.IsValidIndex(2));
    EXPECT_FALSE(seats.IsValidIndex(-1));
    EXPECT_THROW(seats[2], std::out_of_range);
}

TEST(CTPairVector, FindsByKeyInInsertionOrder)
{
    CTPairVector<int, const char*> children;
    children.Add(3, "three");
    children.Add(1, "one");
    children.Add(3, "again");
    EXPECT_EQ(children.FindIndex(3), 0);
    EXPECT_EQ(children.FindIndex(9), -1);
    ASSERT_NE(children.Find(1), nullptr);
    EXPECT_STREQ(*children.Find(1), "one");
    EXPECT_EQ(children.Find(9), nullptr);
    EXPECT_TRUE(children.IsValidIndex(2));
    EXPECT_FALSE(children.IsValidIndex(3));
}
