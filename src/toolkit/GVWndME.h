#pragma once

#include <deque>
#include <string>

#include "toolkit/GVWnd.h"
#include "toolkit/GdiText.h"

// A multi-line text box: texts are wrapped to its width; beyond the line limit the oldest lines go.
// It shows the newest lines unless scrolled back (SetFirstLine).
class GVWndME : public GVWnd {
public:
    int Create(const Rect& r, int fontHeight, int fontWeight, size_t lineLimit);
    void AddText(const std::string& text);
    void Clear();
    size_t GetLineCount() const { return lines.size(); }
    // The line at i (0 the oldest kept); empty outside.
    std::string GetLine(size_t i) const { return i < lines.size() ? lines[i] : std::string(); }
    void SetLineLimit(size_t limit);
    int GetVisibleLineCount() const;
    // The first line shown, clamped; following the end again once it shows the last line.
    void SetFirstLine(int line);
    int GetFirstLine() const;
    void SetTextColor(uint32_t colorRef);
    uint32_t GetTextColor() const { return textColor; }
    int GetLineHeight() const { return font.GetHeight() + 2; }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    int LastFirstLine() const;

    std::deque<std::string> lines;
    size_t lineLimit = 100;
    int firstLine = -1;  // -1: follow the newest lines
    uint32_t textColor = 0;
    GdiFont font;
};
