#include "toolkit/core/Cp949Text.h"

size_t CharLength949(std::string_view text, size_t i)
{
    if (i >= text.size()) return 0;
    return IsLeadByte949(static_cast<uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

size_t FitPrefix949(std::string_view text, size_t room)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t n = CharLength949(text, end);
        if (end + n > room) break;
        end += n;
    }
    return end;
}

bool EraseLastChar949(std::string& text)
{
    if (text.empty()) return false;
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += CharLength949(text, i)) last = i;
    text.erase(last);
    return true;
}

std::string CharFromImeParam(uint32_t wParam)
{
    const auto lead = static_cast<char>((wParam >> 8) & 0xFF);
    const auto trail = static_cast<char>(wParam & 0xFF);
    if (lead != 0) return std::string{lead, trail};
    if (trail != 0) return std::string(1, trail);
    return {};
}
