#pragma once

#include <functional>
#include <string>

#include "toolkit/GIme.h"
#include "toolkit/GVWnd.h"
#include "toolkit/GdiText.h"

// A one-line text edit with Korean composition. Keys and IME messages reach it as the scene's focus
// widget; Enter hands the text to the enter handler.
class GVEditWnd : public GVWnd {
public:
    explicit GVEditWnd(HWND window);

    int Create(const Rect& r, int fontHeight, int fontWeight);
    void SetText(const std::string& text);
    const std::string& GetText() const { return ime.GetText(); }
    std::string GetDisplayText() const { return ime.GetDisplayText(); }
    void Clear();
    void SetMaxLength(size_t bytes) { ime.SetMaxLength(bytes); }
    void SetTextColor(uint32_t colorRef);
    uint32_t GetTextColor() const { return textColor; }
    void SetEnterHandler(std::function<void(GVEditWnd&)> handler) { onEnter = std::move(handler); }
    const GIme& Ime() const { return ime; }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
    int OnChar(UINT ch, UINT repeat, UINT flags) override;
    int OnLButtonDown(UINT flags, Point p) override;
    int OnImeStartComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeEndComposition(WPARAM wParam, LPARAM lParam) override;

private:
    int Changed(bool changed);
    // The tail of the shown text that fits the box, so the caret stays in view.
    std::string VisibleTail(const std::string& shown) const;

    GIme ime;
    GdiFont font;
    uint32_t textColor = 0;
    std::function<void(GVEditWnd&)> onEnter;
};
