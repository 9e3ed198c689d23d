#pragma once

// The style tags of the module's Korean texts: a backquote, four digits and a backquote switch
// the style of the text that follows. The first digit is the bold flag, the second the weight
// (0 normal 400, 1 bold 700), the last two the colour code the host's chat knows the colour by.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ChatRun {
    std::string text;
    bool bold = false;
    int32_t weight = 400;
    int32_t colour = 0;
    bool newLine = false;  // the run starts a new line
    bool operator==(const ChatRun&) const = default;
};

// Cuts a text at its style tags and line breaks. Text before the first tag has the plain style
// (not bold, 400, colour 0). Each "\n" ends a run; the run after it starts a new line, and a
// line break with nothing after it gives an empty run. Anything that is not exactly a backquote,
// four digits and a backquote is plain text.
std::vector<ChatRun> SplitStyledText(std::string_view text);
