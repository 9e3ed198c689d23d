#include "sound/core/VoiceCache.h"

int FindCachedVoice(std::span<const VoiceSlotView> slots, std::string_view name)
{
    for (size_t i = 0; i < slots.size(); ++i)
        if (slots[i].hasBuffer && slots[i].name == name) return static_cast<int>(i);
    return -1;
}

int64_t VoiceAge(const VoiceSlotView& slot, uint32_t now)
{
    return int64_t{static_cast<uint32_t>(now - slot.lastUseTime)} - int64_t{slot.useCount} * kReplayWorthMs;
}

VoiceChoice ChooseVoiceSlot(std::span<const VoiceSlotView> slots, const PcmFormat& format, uint32_t dataBytes,
                            uint32_t now)
{
    for (size_t i = 0; i < slots.size(); ++i)
        if (!slots[i].hasBuffer) return {static_cast<int>(i), false};

    int reusable = -1;
    for (size_t i = 0; i < slots.size(); ++i) {
        const VoiceSlotView& s = slots[i];
        const bool fits = s.bufferBytes >= dataBytes && uint64_t{s.bufferBytes} < uint64_t{dataBytes} + kReuseSlackBytes + 1;
        if (s.useCount < 2 && s.format == format && fits) reusable = static_cast<int>(i);
    }
    if (reusable >= 0) return {reusable, true};

    int oldest = -1;
    int64_t oldestAge = 0;
    for (size_t i = 0; i < slots.size(); ++i) {
        const int64_t age = VoiceAge(slots[i], now);
        if (oldest < 0 || age > oldestAge) {
            oldest = static_cast<int>(i);
            oldestAge = age;
        }
    }
    return {oldest, false};
}
