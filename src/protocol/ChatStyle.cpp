#include "protocol/ChatStyle.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when a style tag starts at `pos`.
bool IsTagAt(std::string_view text, size_t pos)
{
    if (text.size() - pos < 6 || text[pos] != '`' || text[pos + 5] != '`') return false;
    for (size_t i = 1; i <= 4; ++i)
        if (!IsDigit(text[pos + i])) return false;
    return true;
}

}  // namespace

std::vector<ChatRun> SplitStyledText(std::string_view text)
{
    std::vector<ChatRun> runs;
    ChatRun current;
    // An empty run is kept only to carry a line break; a tag after a line break passes the
    // break on to the run it styles.
    const auto flush = [&](bool keepEmptyLine) {
        if (current.text.empty() && !(keepEmptyLine && current.newLine)) return;
        runs.push_back(current);
        current.text.clear();
        current.newLine = false;
    };
    for (size_t pos = 0; pos < text.size();) {
        if (IsTagAt(text, pos)) {
            flush(false);
            current.bold = text[pos + 1] != '0';
            current.weight = text[pos + 2] == '0' ? 400 : 700;
            current.colour = (text[pos + 3] - '0') * 10 + (text[pos + 4] - '0');
            pos += 6;
            continue;
        }
        if (text[pos] == '\n') {
            flush(true);
            current.newLine = true;
            ++pos;
            continue;
        }
        current.text += text[pos++];
    }
    flush(true);
    return runs;
}
