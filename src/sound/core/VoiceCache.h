#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "sound/core/WaveFormat.h"

// What the voice cache's choice looks at in one slot.
struct VoiceSlotView {
    bool hasBuffer = false;
    std::string_view name;
    PcmFormat format;
    int useCount = 0;
    uint32_t lastUseTime = 0;
    uint32_t bufferBytes = 0;
};

// Each replay of a phrase counts as this many milliseconds of youth.
constexpr int64_t kReplayWorthMs = 32768;
// A buffer is reused for data at most this much smaller than it.
constexpr uint32_t kReuseSlackBytes = 1024;

// The slot with a buffer already holding `name`, or -1.
int FindCachedVoice(std::span<const VoiceSlotView> slots, std::string_view name);

// Where a phrase of this format and size goes.
struct VoiceChoice {
    int slot = -1;
    bool keepBuffer = false;  // the slot's buffer serves as it is; otherwise it gets a new one
};

// The first slot without a buffer; else the last slot, in slot order, replayed fewer than twice
// whose buffer has the format and is at least dataBytes and at most 1024 bytes larger (kept);
// else the slot of greatest age, now - lastUseTime - useCount x 32768, lowest index on ties.
VoiceChoice ChooseVoiceSlot(std::span<const VoiceSlotView> slots, const PcmFormat& format, uint32_t dataBytes,
                            uint32_t now);

// How old a slot counts at `now`; the clock may have wrapped since its last use.
int64_t VoiceAge(const VoiceSlotView& slot, uint32_t now);
