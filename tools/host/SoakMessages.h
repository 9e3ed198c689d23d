#pragma once

// Hostile server messages for the soak: each body's `Fields` list is walked with values a server
// should never send (card ids -1, 50, 127, 32767; seats -1, 2, 99; extreme and negative money;
// empty, 4,000-byte, code-page, invalid-byte and style-tag texts; lists longer than any hand),
// mixed with plausible ones so handlers get past their first check. Some messages are broken on
// the wire (cut short, a count beyond the bytes, an id outside 0..80): the module must drop those
// whole. No Windows API: the generator is tested natively.

#include <cstdint>
#include <string>
#include <vector>

// A small generator with the same sequence on every toolchain (splitmix64).
class SoakRandom {
public:
    explicit SoakRandom(uint64_t seed) : state(seed) {}
    uint64_t Next();
    // 0..n-1; 0 when n is 0.
    uint32_t Below(uint32_t n) { return n ? static_cast<uint32_t>(Next() % n) : 0; }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    template <class T, size_t N> const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

private:
    uint64_t state;
};

// The user keys a soak message names most often: the room's own user and the other player.
struct SoakKeys {
    int32_t own = 101;
    int32_t other = 202;
};

enum class SoakDamage {
    None,       // reads whole, however hostile its values
    CutShort,   // bytes missing at the end
    HugeCount,  // a 32-bit count or length far beyond the bytes left
    BadId,      // an id above 80 or below 0
};

struct SoakMessage {
    int32_t id = 0;
    SoakDamage damage = SoakDamage::None;
    std::vector<uint8_t> bytes;
};

// A message of `id` (0..80) with hostile field values; `damage` as asked.
SoakMessage MakeSoakMessage(SoakRandom& random, int32_t id, const SoakKeys& keys, SoakDamage damage);

// A message the module must drop whole, of a random id and kind of damage.
SoakMessage MakeBrokenMessage(SoakRandom& random, const SoakKeys& keys);

// A hostile message of a random id 0..80, now and then damaged.
SoakMessage MakeRandomSoakMessage(SoakRandom& random, const SoakKeys& keys);

// The ping (77) carrying `value`.
std::vector<uint8_t> MakePing(int32_t value);
