#include "toolkit/GIme.h"

#include <imm.h>

#include <vector>

#include "toolkit/core/Cp949Text.h"

void GIme::SetMaxLength(size_t bytes)
{
    maxLength = bytes;
    if (maxLength && text.size() > maxLength) text.resize(FitPrefix949(text, maxLength));
}

void GIme::SetText(const std::string& t)
{
    text.clear();
    Append(t);
}

void GIme::Clear()
{
    text.clear();
    composition.clear();
    pendingLead = 0;
}

void GIme::Append(const std::string& s)
{
    if (maxLength == 0) {
        text += s;
        return;
    }
    const size_t room = maxLength > text.size() ? maxLength - text.size() : 0;
    text.append(s, 0, FitPrefix949(s, room));
}

std::string GIme::ReadString(DWORD kind, WPARAM wParam) const
{
    std::string s;
    if (wnd) {
        const HIMC imc = ImmGetContext(wnd);
        if (imc) {
            const LONG bytes = ImmGetCompositionStringA(imc, kind, nullptr, 0);
            if (bytes > 0) {
                std::vector<char> buf(static_cast<size_t>(bytes));
                const LONG got = ImmGetCompositionStringA(imc, kind, buf.data(), static_cast<DWORD>(bytes));
                if (got > 0) s.assign(buf.data(), static_cast<size_t>(got));
            }
            ImmReleaseContext(wnd, imc);
        }
    }
    if (s.empty()) s = CharFromImeParam(static_cast<uint32_t>(wParam));
    return s;
}

bool GIme::OnStartComposition()
{
    composing = true;
    composition.clear();
    return false;
}

bool GIme::OnComposition(WPARAM wParam, LPARAM lParam)
{
    bool changed = false;
    if (lParam & GCS_RESULTSTR) {
        Append(ReadString(GCS_RESULTSTR, wParam));
        composition.clear();
        changed = true;
    }
    if (lParam & GCS_COMPSTR) {
        // With a result in the same message, the character in wParam was the result's.
        std::string next = ReadString(GCS_COMPSTR, (lParam & GCS_RESULTSTR) ? 0 : wParam);
        // A composition that would not fit behind the text is not shown either.
        if (maxLength && text.size() + next.size() > maxLength) next.clear();
        changed = changed || next != composition;
        composition = std::move(next);
        composing = true;
    } else if (!(lParam & GCS_RESULTSTR) && !composition.empty()) {
        // Neither flag: the composition was cancelled.
        composition.clear();
        changed = true;
    }
    return changed;
}

bool GIme::OnEndComposition()
{
    composing = false;
    if (composition.empty()) return false;
    composition.clear();
    return true;
}

bool GIme::OnChar(UINT ch)
{
    const auto b = static_cast<uint8_t>(ch & 0xFF);
    if (pendingLead) {
        const std::string pair{pendingLead, static_cast<char>(b)};
        pendingLead = 0;
        Append(pair);
        return true;
    }
    if (b == '\b') return Backspace();
    if (IsLeadByte949(b)) {
        pendingLead = static_cast<char>(b);
        return false;
    }
    if (b < 0x20 || b == 0x7F) return false;
    const size_t before = text.size();
    Append(std::string(1, static_cast<char>(b)));
    return text.size() != before;
}

bool GIme::Backspace()
{
    if (!composition.empty()) return false;  // the IME edits its own syllable
    return EraseLastChar949(text);
}
