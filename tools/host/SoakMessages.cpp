#include "SoakMessages.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "foundation/core/Wire.h"
#include "protocol/GameMessage.h"

uint64_t SoakRandom::Next()
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

enum class FieldKind { Card, Seat, Key, Count, Other };

bool Has(const std::string& lower, const char* part)
{
    return lower.find(part) != std::string::npos;
}

// What a field holds, from its name: the soak aims the values that break things at it.
FieldKind KindOf(const char* name)
{
    std::string lower = name ? name : "";
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (Has(lower, "count") || Has(lower, "left") || Has(lower, "number")) return FieldKind::Count;
    if (Has(lower, "card") || Has(lower, "pile") || Has(lower, "floor") || Has(lower, "remaining") || Has(lower, "pick"))
        return FieldKind::Card;
    if (Has(lower, "seat") || Has(lower, "winner") || Has(lower, "turn")) return FieldKind::Seat;
    if (Has(lower, "key")) return FieldKind::Key;
    return FieldKind::Other;
}

// CP949 text ("가나다"), a lead byte with no trail byte, bytes no code page maps, and style tags.
const std::string kCodePageText = "\xB0\xA1\xB3\xAA\xB4\xD9";
const std::string kInvalidBytes = "\xFF\x80\xFE\xC8";
const std::string kStyleTags = "`1112`\xB0\xA1`0099``12`\n`0000`";
const std::string kFormatText = "%s%n%d%I64d%%";

constexpr size_t kLongText = 4000;
constexpr size_t kMaxListElements = 200;

class HostileVisitor {
public:
    HostileVisitor(SoakRandom& r, const SoakKeys& k) : random(r), keys(k) {}

    void I32(const char* name, int32_t& x) { x = HostileI32(KindOf(name)); }
    void U32(const char* name, uint32_t& x)
    {
        static const uint32_t values[] = {0, 1, 2, 20110927, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
        const FieldKind kind = KindOf(name);
        x = kind == FieldKind::Other ? random.Pick(values) : static_cast<uint32_t>(HostileI32(kind));
    }
    void I64(const char*, int64_t& x)
    {
        static const int64_t hostile[] = {INT64_MIN, INT64_MAX, -1, -999999999999, 1000000000000000, INT64_MIN + 1};
        x = random.OneIn(2) ? random.Pick(hostile) : static_cast<int64_t>(random.Below(2000000));
    }
    void Str(const char*, std::string& x)
    {
        switch (random.Below(8)) {
        case 0: x.clear(); break;
        case 1: x.assign(kLongText, 'A'); break;
        case 2: x = kCodePageText; break;
        case 3: x = kInvalidBytes; break;
        case 4: x = kStyleTags; break;
        case 5: x = kFormatText; break;
        case 6:  // long text of double-byte characters, its last one cut in half
            x.clear();
            while (x.size() + 2 <= kLongText) x += kCodePageText.substr(0, 2);
            x += '\xB0';
            break;
        default: x = "soak"; break;
        }
    }
    template <class R> void Rec(const char*, R& r) { r.Fields(*this); }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        static const uint32_t longer[] = {11, 49, 60, kMaxListElements};
        // Only lists of numbers grow long, and lists inside lists stay short: a message stays small.
        const bool scalar = std::is_arithmetic_v<T>;
        const uint32_t n = scalar && depth == 0 && random.OneIn(4) ? random.Pick(longer) : random.Below(scalar ? 12 : 4);
        xs.assign(n, T{});
        ++depth;
        for (auto& x : xs) protocol_detail::VisitItem(*this, name, x);
        --depth;
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a)
    {
        for (auto& x : a) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a)
    {
        for (auto& x : a) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a) { Array(name, a); }
    template <class T> void Optional(const char* name, T& x) { protocol_detail::VisitItem(*this, name, x); }

private:
    int32_t HostileI32(FieldKind kind)
    {
        const bool hostile = random.OneIn(3);
        switch (kind) {
        case FieldKind::Card: {
            static const int32_t bad[] = {-1, 50, 127, 32767, 48, 49, INT_MIN};
            return hostile ? random.Pick(bad) : static_cast<int32_t>(random.Below(48));
        }
        case FieldKind::Seat: {
            static const int32_t bad[] = {-1, 2, 99, INT_MAX};
            return hostile ? random.Pick(bad) : static_cast<int32_t>(random.Below(2));
        }
        case FieldKind::Key: {
            static const int32_t bad[] = {-1, -2, 0, 999, INT_MIN, INT_MAX};
            if (hostile) return random.Pick(bad);
            return random.OneIn(2) ? keys.own : keys.other;
        }
        case FieldKind::Count: {
            static const int32_t bad[] = {-1, 99, 1000000, INT_MAX, INT_MIN};
            return hostile ? random.Pick(bad) : static_cast<int32_t>(random.Below(6));
        }
        case FieldKind::Other: break;
        }
        static const int32_t bad[] = {-1, 99, 1000, 32767, INT_MAX, INT_MIN};
        return hostile ? random.Pick(bad) : static_cast<int32_t>(random.Below(4));
    }

    SoakRandom& random;
    const SoakKeys& keys;
    int depth = 0;
};

// The wire offsets of every list count and string length, walking a filled body as the writer does.
class CountOffsets {
public:
    explicit CountOffsets(size_t start) : at(start) {}
    std::vector<size_t> offsets;

    void I32(const char*, int32_t&) { at += 4; }
    void U32(const char*, uint32_t&) { at += 4; }
    void I64(const char*, int64_t&) { at += 8; }
    void Str(const char*, std::string& x)
    {
        offsets.push_back(at);
        at += 4 + x.size();
    }
    template <class R> void Rec(const char*, R& r) { r.Fields(*this); }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        offsets.push_back(at);
        at += 4;
        for (auto& x : xs) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a)
    {
        for (auto& x : a) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a)
    {
        for (auto& x : a) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a)
    {
        offsets.push_back(at);
        at += 4;
        Array(name, a);
    }
    // A body may end before its optional fields: a cut must fall before the first of them.
    template <class T> void Optional(const char* name, T& x)
    {
        requiredEnd = std::min(requiredEnd, at);
        protocol_detail::VisitItem(*this, name, x);
    }
    size_t requiredEnd = SIZE_MAX;

private:
    size_t at;
};

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// Breaks a written message so that its read fails.
void Damage(SoakRandom& random, SoakMessage& m, const std::vector<size_t>& counts, size_t requiredEnd)
{
    const size_t cutEnd = std::min(m.bytes.size(), requiredEnd);
    if (m.damage == SoakDamage::HugeCount && counts.empty()) m.damage = SoakDamage::CutShort;
    if (m.damage == SoakDamage::CutShort && cutEnd <= 4) m.damage = SoakDamage::BadId;
    switch (m.damage) {
    case SoakDamage::None: break;
    case SoakDamage::CutShort: m.bytes.resize(4 + random.Below(static_cast<uint32_t>(cutEnd - 4))); break;
    case SoakDamage::HugeCount: {
        static const uint32_t huge[] = {0x7FFFFFFFu, 0xFFFFFFFFu, 0x40000000u, 1000000u};
        PutU32(m.bytes, counts[random.Below(static_cast<uint32_t>(counts.size()))], random.Pick(huge));
        break;
    }
    case SoakDamage::BadId: {
        static const int32_t ids[] = {81, 82, 1000, -1, INT_MIN, INT_MAX};
        PutU32(m.bytes, 0, static_cast<uint32_t>(random.Pick(ids)));
        break;
    }
    }
}

}  // namespace

SoakMessage MakeSoakMessage(SoakRandom& random, int32_t id, const SoakKeys& keys, SoakDamage damage)
{
    SoakMessage m;
    m.id = id;
    m.damage = damage;
    GameMessage message;
    std::vector<size_t> counts;
    size_t requiredEnd = SIZE_MAX;
    const bool known = VisitMessageBodyType(id, [&](auto type) {
        using Body = typename decltype(type)::type;
        Body body{};
        HostileVisitor fill(random, keys);
        body.Fields(fill);
        CountOffsets where(4);
        body.Fields(where);
        counts = std::move(where.offsets);
        requiredEnd = where.requiredEnd;
        message = GameMessage(std::move(body));
    });
    if (!known) message.id = id;
    m.bytes = WriteGameMessage(message);
    if (m.bytes.size() < 4) {  // id 0: only the id
        m.bytes.assign(4, 0);
        PutU32(m.bytes, 0, static_cast<uint32_t>(id));
    }
    Damage(random, m, counts, requiredEnd);
    return m;
}

SoakMessage MakeBrokenMessage(SoakRandom& random, const SoakKeys& keys)
{
    static const SoakDamage kinds[] = {SoakDamage::CutShort, SoakDamage::HugeCount, SoakDamage::BadId};
    // Ids with no body cannot be cut or miscounted: their damage becomes a bad id.
    return MakeSoakMessage(random, static_cast<int32_t>(1 + random.Below(kMaxGameMessageId)), keys, random.Pick(kinds));
}

SoakMessage MakeRandomSoakMessage(SoakRandom& random, const SoakKeys& keys)
{
    if (random.OneIn(8)) return MakeBrokenMessage(random, keys);
    return MakeSoakMessage(random, static_cast<int32_t>(random.Below(kMaxGameMessageId + 1)), keys, SoakDamage::None);
}

std::vector<uint8_t> MakePing(int32_t value)
{
    ServerValueForHost ping;
    ping.value = value;
    return WriteGameMessage(GameMessage(ping));
}
