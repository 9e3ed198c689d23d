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
    EXPECT_EQ(EntryKeyOf("\xB0\x61/a.bmp"), "\xB0\x61\\A.BMP");
}

TEST(EntryTable, StaleAndForeignHandlesReachNothing)
{
    int alive = 0;
    EntryTable<Counted> table;
    const XResHandle a = table.Add("A", std::make_unique<Counted>(&alive));
    EXPECT_EQ(table.Acquire("A"), a);
    EXPECT_TRUE(table.Acquire("").IsNull()) << "unnamed entries are private";
    const XResHandle foreign[] = {{}, {a.serial, -1}, {a.serial, 7}, {a.serial + 1, a.slot}, {0, a.slot}};
    for (const auto& h : foreign)
        EXPECT_TRUE(!table.Get(h) && table.AddRef(h) == 0 && !table.Release(h)) << h.serial << "/" << h.slot;
    EXPECT_EQ(table.RefCount(a), 2);
    table.Release(a);
    table.Release(a);  // the last reference: the entry comes back and is freed here
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(table.AddRef(a), 0) << "a released handle does not come back to life";
    // The freed slot is reused under a new serial: the stale handle does not reach the new entry.
    const XResHandle c = table.Add("C", std::make_unique<Counted>(&alive));
    EXPECT_EQ(c.slot, a.slot);
    EXPECT_EQ(table.Get(a), nullptr);
    EXPECT_NE(table.Get(c), nullptr);
}
