#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <tuple>

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
        EXPECT_EQ(list, plist<Counted>{b.get()}) << "every occurrence is taken out";
        EXPECT_FALSE(list.Remove(a.get()));
        pvector<Counted> vec{a.get(), b.get()};
        EXPECT_EQ(vec.At(1), b.get());
        EXPECT_EQ(vec.At(2), nullptr);
    }
    EXPECT_EQ(Counted::alive, 2);
}

TEST(IndexedContainers, RefuseIndexesOutsideAndFindTheFirstKey)
{
    ArcArrayT<int, 2> seats;
    EXPECT_EQ(std::tuple(seats.IsValidIndex(1), seats.IsValidIndex(2), seats.IsValidIndex(-1)), std::tuple(true, false, false));
    EXPECT_THROW(seats[2], std::out_of_range);

    CTPairVector<int, const char*> children;
    children.Add(3, "three");
    children.Add(1, "one");
    children.Add(3, "again");
    ASSERT_NE(children.Find(3), nullptr);
    EXPECT_STREQ(*children.Find(3), "three") << "the first pair of a key";
    EXPECT_EQ(children.Find(9), nullptr);
    EXPECT_EQ(std::tuple(children.IsValidIndex(2), children.IsValidIndex(3), children.IsValidIndex(-1)), std::tuple(true, false, false));
}
