#include "toolkit/GVEditWnd.h"

#include "toolkit/DDSurface.h"
#include "toolkit/core/Cp949Text.h"

namespace {
constexpr int kPadding = 2;
}

GVEditWnd::GVEditWnd(HWND window) : ime(window) {}

int GVEditWnd::Create(const Rect& r, int fontHeight, int fontWeight)
{
    SetRect(r);
    if (!font.Create(fontHeight, fontWeight)) return 0;
    Invalidate();
    return 1;
}

void GVEditWnd::SetText(const std::string& text)
{
    ime.SetText(text);
    Invalidate();
}

void GVEditWnd::Clear()
{
    ime.Clear();
    Invalidate();
}

void GVEditWnd::SetTextColor(uint32_t colorRef)
{
    if (colorRef == textColor) return;
    textColor = colorRef;
    Invalidate();
}

int GVEditWnd::Changed(bool changed)
{
    if (changed) Invalidate();
    return 1;
}

int GVEditWnd::OnKeyDown(UINT vk, UINT, UINT)
{
    // Backspace and Enter come as characters; the key itself is taken so nothing else acts on it.
    return vk == VK_BACK || vk == VK_RETURN ? 1 : 0;
}

int GVEditWnd::OnChar(UINT ch, UINT, UINT)
{
    if (!IsEnabled()) return 0;
    if (ch == '\r') {
        if (onEnter) onEnter(*this);
        Invalidate();
        return 1;
    }
    return Changed(ime.OnChar(ch));
}

int GVEditWnd::OnLButtonDown(UINT, Point)
{
    return IsVisible() && IsEnabled() ? 1 : 0;
}

int GVEditWnd::OnImeStartComposition(WPARAM, LPARAM)
{
    return Changed(ime.OnStartComposition());
}

int GVEditWnd::OnImeComposition(WPARAM wParam, LPARAM lParam)
{
    return Changed(ime.OnComposition(wParam, lParam));
}

int GVEditWnd::OnImeEndComposition(WPARAM, LPARAM)
{
    return Changed(ime.OnEndComposition());
}

std::string GVEditWnd::VisibleTail(const std::string& shown) const
{
    const int room = rect.Width() - 2 * kPadding - 1;
    size_t start = 0;
    while (start < shown.size() && MeasureText(font.Get(), std::string_view(shown).substr(start)).cx > room)
        start += CharLength949(shown, start);
    return shown.substr(start);
}

int GVEditWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    if (DrawArea(clip).IsEmpty()) return 1;
    const std::string tail = VisibleTail(ime.GetDisplayText());
    const Rect box{rect.left + kPadding, rect.top, rect.right - kPadding, rect.bottom};
    if (!DrawTextOnSurface(surface, box, clip, tail, font.Get(), textColor, DT_LEFT | DT_VCENTER | DT_SINGLELINE))
        return 0;
    if (!IsEnabled()) return 1;
    // Caret after the text; under a composition the syllable is underlined instead.
    const int textWidth = MeasureText(font.Get(), tail).cx;
    const int lineHeight = font.GetHeight();
    const int top = rect.top + (rect.Height() - lineHeight) / 2;
    const int x = box.left + textWidth;
    const Rect mark = ime.GetComposition().empty()
                          ? Rect{x, top, x + 1, top + lineHeight}
                          : Rect{x - MeasureText(font.Get(), ime.GetComposition()).cx, top + lineHeight, x,
                                 top + lineHeight + 1};
    return SUCCEEDED(FillSurfaceRect(surface, mark.Intersected(clip), textColor)) ? 1 : 0;
}
