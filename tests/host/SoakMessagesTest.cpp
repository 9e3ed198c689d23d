#include "host/SoakMessages.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "protocol/GameMessage.h"
#include "protocol_json/ProtocolJson.h"

namespace {

// Every integer and every string length anywhere in a JSON value.
void Collect(const Json& v, std::set<int64_t>& numbers, std::set<size_t>& lengths)
{
    if (v.is_number_integer()) numbers.insert(v.get<int64_t>());
    if (v.is_string()) lengths.insert(v.get_ref<const std::string&>().size());
    if (v.is_structured())
        for (const Json& item : v) Collect(item, numbers, lengths);
}

TEST(SoakMessages, WholeMessagesReadBackAndDamagedOnesAreDropped)
{
    SoakRandom random(7);
    const SoakKeys keys;
    const SoakDamage kinds[] = {SoakDamage::CutShort, SoakDamage::HugeCount, SoakDamage::BadId};
    for (int round = 0; round < 20; ++round) {
        for (int32_t id = 0; id <= kMaxGameMessageId; ++id) {
            const SoakMessage whole = MakeSoakMessage(random, id, keys, SoakDamage::None);
            GameMessage read;
            ASSERT_TRUE(ReadGameMessage(whole.bytes.data(), whole.bytes.size(), read)) << "id " << id;
            EXPECT_EQ(read.id, id);
            EXPECT_EQ(WriteGameMessage(read), whole.bytes) << "id " << id << ": the bytes are the body's fields, nothing more";
            for (const SoakDamage damage : kinds) {
                const SoakMessage broken = MakeSoakMessage(random, id, keys, damage);
                EXPECT_NE(broken.damage, SoakDamage::None);
                EXPECT_FALSE(ReadGameMessage(broken.bytes.data(), broken.bytes.size(), read))
                    << "id " << id << " damage " << static_cast<int>(broken.damage) << " read";
            }
        }
    }
}

TEST(SoakMessages, TheSameSeedGivesTheSameMessages)
{
    SoakRandom a(123), b(123), c(124);
    const SoakKeys keys;
    bool differs = false;
    for (int i = 0; i < 200; ++i) {
        const SoakMessage x = MakeRandomSoakMessage(a, keys), y = MakeRandomSoakMessage(b, keys);
        ASSERT_EQ(x.bytes, y.bytes) << "message " << i;
        differs = differs || MakeRandomSoakMessage(c, keys).bytes != x.bytes;
    }
    EXPECT_TRUE(differs) << "another seed gives other messages";
}

// The values that break things reach the fields they are aimed at, through each body's field list.
TEST(SoakMessages, HostileValuesReachTheirFields)
{
    SoakRandom random(1);
    const SoakKeys keys;
    const struct { const char* name; int32_t id; const char* field; std::set<int64_t> values; } cases[] = {
        {"card ids of a deal", DealCards::kId, "handCards", {-1, 50, 127, 32767}},
        {"a moved card", SeptAnimalMoved::kId, "cardId", {-1, 50, 127, 32767}},
        {"seats of a result step", ResultStep::kId, "seat", {-1, 2, 99}},
        {"money of a safe withdrawal", SafeWithdrawal::kId, "", {INT64_MIN, INT64_MAX, -1}},
        {"user keys of a turn result", TurnResult::kId, "userKey", {101, 202, 0xFFFFFFFF}},
    };
    for (const auto& c : cases) {
        std::set<int64_t> numbers;
        std::set<size_t> lengths;
        for (int i = 0; i < 400; ++i) {
            const SoakMessage m = MakeSoakMessage(random, c.id, keys, SoakDamage::None);
            GameMessage read;
            ASSERT_TRUE(ReadGameMessage(m.bytes.data(), m.bytes.size(), read)) << c.name;
            const Json fields = GameMessageToJson(read)["fields"];
            Collect(*c.field ? fields[c.field] : fields, numbers, lengths);
        }
        for (const int64_t v : c.values) EXPECT_TRUE(numbers.count(v)) << c.name << ": no " << v;
    }
    // Texts: empty, 4,000 bytes and one byte more (a double-byte character cut in half).
    std::set<int64_t> numbers;
    std::set<size_t> lengths;
    size_t longestList = 0;
    for (int i = 0; i < 400; ++i) {
        const SoakMessage m = MakeSoakMessage(random, HostText::kId, keys, SoakDamage::None);
        GameMessage read;
        ASSERT_TRUE(ReadGameMessage(m.bytes.data(), m.bytes.size(), read));
        Collect(GameMessageToJson(read)["fields"], numbers, lengths);
        const SoakMessage deal = MakeSoakMessage(random, DealCards::kId, keys, SoakDamage::None);
        ASSERT_TRUE(ReadGameMessage(deal.bytes.data(), deal.bytes.size(), read));
        longestList = std::max(longestList, read.Get<DealCards>()->handCards.size());
    }
    for (const size_t n : {size_t{0}, size_t{4000}, size_t{4001}}) EXPECT_TRUE(lengths.count(n)) << "no text of " << n << " bytes";
    EXPECT_GT(longestList, 50u) << "a hand longer than the deck";
}

TEST(SoakMessages, RandomMessagesCoverEveryIdAndDamage)
{
    SoakRandom random(99);
    const SoakKeys keys;
    std::set<int32_t> ids;
    std::set<int> damages;
    for (int i = 0; i < 5000; ++i) {
        const SoakMessage m = MakeRandomSoakMessage(random, keys);
        ids.insert(m.id);
        damages.insert(static_cast<int>(m.damage));
    }
    EXPECT_EQ(ids.size(), static_cast<size_t>(kMaxGameMessageId + 1));
    EXPECT_EQ(damages.size(), 4u);
}

TEST(SoakMessages, APingCarriesItsValue)
{
    const std::vector<uint8_t> bytes = MakePing(-5);
    GameMessage read;
    ASSERT_TRUE(ReadGameMessage(bytes.data(), bytes.size(), read));
    ASSERT_NE(read.Get<ServerValueForHost>(), nullptr);
    EXPECT_EQ(read.Get<ServerValueForHost>()->value, -5);
}

}  // namespace
