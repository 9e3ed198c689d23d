#include <gtest/gtest.h>

#include "graphics/resources/core/EntryTable.h"

namespace {

struct Counted {
    explicit Counted(int* alive) : count(alive) { ++*count; }
    ~Counted() { --*count; }
    int* count;
};

}  // namespace

TEST(EntryKey, FoldsCaseAndSlashesButNotKoreanBytes)
{
    EXPECT_EQ(EntryKeyOf("Avatar/default.gif"), EntryKeyOf("AVATAR\\Default.GIF"));
    // "\xB0\x61" and "\xB0\x41" are two different CP949 characters.
    EXPECT_NE(EntryKeyOf("\xB0\x61.bmp"), EntryKeyOf("\xB0\x41.bmp"));
    EXPECT_EQ(EntryKeyOf("\xB0\x61/a.bmp"), "\xB0\x61\\A.BMP");
}

TEST(EntryTable, SharesByKeyAndFreesOnTheLastRelease)
{
    int alive = 0;
    EntryTable<Counted> table;
    EXPECT_TRUE(table.Acquire("A").IsNull());
    const XResHandle a = table.Add("A", std::make_unique<Counted>(&alive));
    const XResHandle again = table.Acquire("A");
    EXPECT_EQ(again, a);
    EXPECT_EQ(table.RefCount(a), 2);
    const XResHandle b = table.Add("", std::make_unique<Counted>(&alive));
    EXPECT_TRUE(table.Acquire("").IsNull()) << "unnamed entries are private";
    EXPECT_EQ(alive, 2);

    EXPECT_EQ(table.Release(a), nullptr);
    EXPECT_NE(table.Get(a), nullptr);
    table.Release(a);  // the last reference: the entry comes back and is freed here
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(table.Get(a), nullptr);
    EXPECT_EQ(table.AddRef(a), 0) << "a released handle does not come back to life";
    EXPECT_EQ(table.Release(a), nullptr);
    EXPECT_EQ(alive, 1);

    // The freed slot is reused under a new serial: the stale handle does not reach the new entry.
    const XResHandle c = table.Add("C", std::make_unique<Counted>(&alive));
    EXPECT_EQ(c.slot, a.slot);
    EXPECT_NE(c.serial, a.serial);
    EXPECT_EQ(table.Get(a), nullptr);
    EXPECT_NE(table.Get(c), nullptr);
    EXPECT_EQ(table.Count(), 2u);
    EXPECT_NE(table.Get(b), nullptr);
}

TEST(EntryTable, ForeignHandlesResolveToNothing)
{
    int alive = 0;
    EntryTable<Counted> table;
    const XResHandle a = table.Add("A", std::make_unique<Counted>(&alive));
    const XResHandle cases[] = {{}, {a.serial, -1}, {a.serial, 7}, {a.serial + 1, a.slot}, {0, a.slot}};
    for (const auto& h : cases) {
        EXPECT_EQ(table.Get(h), nullptr) << h.serial << "/" << h.slot;
        EXPECT_EQ(table.AddRef(h), 0) << h.serial << "/" << h.slot;
        EXPECT_EQ(table.Release(h), nullptr) << h.serial << "/" << h.slot;
    }
    EXPECT_EQ(table.RefCount(a), 1);
}
