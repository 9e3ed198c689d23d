// Any room option string and room values: the lookup answers, the rows are at most seven and each
// row is a line of the known kinds (no formatting runs past its text).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "views/core/UserOptionRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    UserOptionRules::RoomInfo room;
    room.roomKind = in.ConsumeIntegralInRange<int32_t>(-2, 45);
    room.playerLimit = in.ConsumeIntegral<int32_t>();
    room.entryLimit = in.ConsumeIntegral<int64_t>();
    room.moneyPerPoint = in.ConsumeIntegral<int64_t>();
    room.requiredGames = in.ConsumeIntegral<int32_t>();
    room.password = in.ConsumeRandomLengthString(32);
    const std::string key = in.ConsumeRandomLengthString(8);
    room.options = in.ConsumeRemainingBytesAsString();
    (void)UserOptionRules::HasOptionToken(room.options, key);
    const auto rows = UserOptionRules::RoomInfoRows(room);
    for (const auto& row : rows)
        if (row.size() > 80 + room.password.size()) {
            std::fprintf(stderr, "row too long: %zu\n", row.size());
            std::abort();
        }
    return 0;
}
