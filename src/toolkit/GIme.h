#pragma once

#include <cstddef>
#include <string>

#include "foundation/Win32.h"

// The text typed into an edit: committed CP949 text plus the Korean syllable being composed through
// IMM32. Each handler answers whether the text or the composition changed.
class GIme {
public:
    explicit GIme(HWND window = nullptr) : wnd(window) {}

    void SetWindow(HWND window) { wnd = window; }
    // In bytes; 0 for no limit. Text beyond it is cut at a whole character.
    void SetMaxLength(size_t bytes);
    const std::string& GetText() const { return text; }
    void SetText(const std::string& t);
    void Clear();
    const std::string& GetComposition() const { return composition; }
    bool IsComposing() const { return composing; }
    // What the edit shows: the text with the composition after it.
    std::string GetDisplayText() const { return text + composition; }

    bool OnStartComposition();
    bool OnComposition(WPARAM wParam, LPARAM lParam);
    bool OnEndComposition();
    // WM_CHAR: printable bytes (a two-byte character arrives as two messages), backspace.
    bool OnChar(UINT ch);
    bool Backspace();

private:
    // The IME's string of that kind (GCS_COMPSTR, GCS_RESULTSTR); the message's character when the
    // context has none (a message sent without a real composition behind it).
    std::string ReadString(DWORD kind, WPARAM wParam) const;
    void Append(const std::string& s);

    HWND wnd;
    std::string text;
    std::string composition;
    bool composing = false;
    size_t maxLength = 0;
    char pendingLead = 0;
};
