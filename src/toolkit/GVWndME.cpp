#include "toolkit/GVWndME.h"

#include <algorithm>

#include "toolkit/core/Cp949Text.h"

int GVWndME::Create(const Rect& r, int fontHeight, int fontWeight, size_t limit)
{
    SetRect(r);
    lineLimit = limit ? limit : 1;
    return font.Create(fontHeight, fontWeight) ? 1 : 0;
}

void GVWndME::AddText(const std::string& text)
{
    const HFONT f = font.Get();
    for (auto& line : WrapText949(text, rect.Width(), [f](std::string_view s) { return MeasureText(f, s).cx; }))
        lines.push_back(std::move(line));
    while (lines.size() > lineLimit) {
        lines.pop_front();
        if (firstLine > 0) --firstLine;
    }
    Invalidate();
}

void GVWndME::Clear()
{
    lines.clear();
    firstLine = -1;
    Invalidate();
}

void GVWndME::SetLineLimit(size_t limit)
{
    lineLimit = limit ? limit : 1;
    while (lines.size() > lineLimit) lines.pop_front();
    Invalidate();
}

int GVWndME::GetVisibleLineCount() const
{
    const int h = GetLineHeight();
    return h > 0 ? std::max(1, rect.Height() / h) : 1;
}

int GVWndME::LastFirstLine() const
{
    return std::max(0, static_cast<int>(lines.size()) - GetVisibleLineCount());
}

void GVWndME::SetFirstLine(int line)
{
    const int clamped = std::clamp(line, 0, LastFirstLine());
    firstLine = clamped == LastFirstLine() ? -1 : clamped;
    Invalidate();
}

int GVWndME::GetFirstLine() const
{
    return firstLine < 0 ? LastFirstLine() : std::min(firstLine, LastFirstLine());
}

void GVWndME::SetTextColor(uint32_t colorRef)
{
    if (colorRef == textColor) return;
    textColor = colorRef;
    Invalidate();
}

int GVWndME::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    if (DrawArea(clip).IsEmpty()) return 1;
    const int h = GetLineHeight();
    const int first = GetFirstLine();
    const int shown = std::min(GetVisibleLineCount(), static_cast<int>(lines.size()) - first);
    for (int i = 0; i < shown; ++i) {
        const Rect box{rect.left, rect.top + i * h, rect.right, rect.top + (i + 1) * h};
        if (!DrawTextOnSurface(surface, box, clip, lines[static_cast<size_t>(first + i)], font.Get(), textColor,
                               DT_LEFT | DT_TOP | DT_SINGLELINE))
            return 0;
    }
    return 1;
}
