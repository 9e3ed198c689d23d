#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The texts of the money notices and the user lists the host and the room pass as text.
namespace NoticeRules {

// The chat text of a money gift, the amount in Korean units.
std::string MoneyGiftText(int64_t amount);

// A refill of kind 2 (PC-cafe) or 3 (automatic): the badge frame (-1 none), the chat text and the
// seat's refill label.
struct RefillNotice {
    int badgeFrame = -1;
    std::string chat;
    std::string label;
};
RefillNotice RefillNoticeFor(int32_t kind, int64_t amount, int32_t refillsLeft);

// Host commands 14 (replace the list from "|"-separated keys), 15 (add one key), 16 (remove one
// key); true when the list changed. Texts that are not keys change nothing.
bool ApplyBlacklistCommand(std::vector<int32_t>& list, int32_t command, const std::string& text);

// The keys as "%ld" texts between "|" separators, as the black list arrives.
std::string KeyListText(const std::vector<int32_t>& keys);

// The pieces of a "|"-separated list, empty pieces dropped.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace NoticeRules
