#include "host/MessageBox.h"

#include <mmsystem.h>

#include <vector>

#include "foundation/Debug.h"
#include "foundation/TextWin32.h"
#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"
#include "protocol/ChatStyle.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr int kDialogId = 101;
constexpr UINT_PTR kAutoCloseTimer = 0x4D42;
constexpr int kAutoClosed = 3;  // command id of the timer's close
constexpr UINT kCloseMessage = WM_APP + 0x4D;

struct BoxState {
    const MessageBoxSpec* spec = nullptr;
    HWND hwnd = nullptr;
    UINT mmTimer = 0;
    HFONT normal = nullptr;
    HFONT bold = nullptr;
};

thread_local HWND openBox = nullptr;

HINSTANCE ModuleInstance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

void CALLBACK AutoCloseProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    // Runs on the multimedia timer's thread: only post to the dialog.
    PostMessageA(reinterpret_cast<HWND>(user), WM_COMMAND, MAKEWPARAM(kAutoClosed, 0), 0);
}

HFONT MakeFont(int weight)
{
    return CreateFontA(-12, 0, 0, 0, weight, 0, 0, 0, HANGUL_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, "NanumGothic");
}

// Draws the runs line by line, each line centred in the text area.
void DrawRuns(HDC dc, const BoxState& s, RECT area)
{
    const std::vector<ChatRun> runs = SplitStyledText(s.spec->text);
    std::vector<std::vector<const ChatRun*>> lines(1);
    for (const auto& r : runs) {
        if (r.newLine) lines.emplace_back();
        lines.back().push_back(&r);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, s.spec->textColor);
    const int lineHeight = 16;
    int y = area.top + (area.bottom - area.top - static_cast<int>(lines.size()) * lineHeight) / 2;
    for (const auto& line : lines) {
        int width = 0;
        for (const ChatRun* r : line) {
            SelectObject(dc, r->bold || r->weight >= 700 ? s.bold : s.normal);
            SIZE sz{};
            GetTextExtentPoint32A(dc, r->text.c_str(), static_cast<int>(r->text.size()), &sz);
            width += sz.cx;
        }
        int x = area.left + (area.right - area.left - width) / 2;
        for (const ChatRun* r : line) {
            SelectObject(dc, r->bold || r->weight >= 700 ? s.bold : s.normal);
            TextOutA(dc, x, y, r->text.c_str(), static_cast<int>(r->text.size()));
            SIZE sz{};
            GetTextExtentPoint32A(dc, r->text.c_str(), static_cast<int>(r->text.size()), &sz);
            x += sz.cx;
        }
        y += lineHeight;
    }
}

void Paint(HWND hwnd, const BoxState& s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    HBRUSH back = CreateSolidBrush(RGB(250, 246, 236));
    FillRect(dc, &rc, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(RGB(120, 90, 50));
    FrameRect(dc, &rc, frame);
    DeleteObject(frame);
    HGDIOBJ oldFont = SelectObject(dc, s.normal);
    if (!s.spec->title.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(80, 60, 30));
        SelectObject(dc, s.bold);
        RECT t{rc.left + 8, rc.top + 6, rc.right - 8, rc.top + 24};
        DrawTextA(dc, s.spec->title.c_str(), -1, &t, DT_CENTER | DT_SINGLELINE);
    }
    RECT text{rc.left + 10, rc.top + 24, rc.right - 10, rc.bottom - 44};
    DrawRuns(dc, s, text);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

// What the box says, readable from its window by whoever hosts the module: the window text is the
// box's text; the properties hold the type and auto-close time (each plus one, a property of 0
// being none) and the title as a global atom.
void Describe(HWND hwnd, const MessageBoxSpec& spec)
{
    SetWindowTextA(hwnd, spec.text.c_str());
    SetPropA(hwnd, kBoxTypeProp, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(spec.type) + 1));
    SetPropA(hwnd, kBoxAutoCloseProp, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(spec.autoCloseMs) + 1));
    const ATOM title = spec.title.empty() || spec.title.size() > 255 ? 0 : GlobalAddAtomA(spec.title.c_str());
    if (title) SetPropA(hwnd, kBoxTitleProp, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(title)));
}

void Undescribe(HWND hwnd)
{
    RemovePropA(hwnd, kBoxTypeProp);
    RemovePropA(hwnd, kBoxAutoCloseProp);
    if (HANDLE title = RemovePropA(hwnd, kBoxTitleProp)) GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<uintptr_t>(title)));
}

void Close(HWND hwnd, BoxState& s, int result)
{
    if (s.mmTimer) {
        timeKillEvent(s.mmTimer);
        s.mmTimer = 0;
    }
    WindowTimer::Stop(hwnd, kAutoCloseTimer);
    Undescribe(hwnd);
    EndDialog(hwnd, result);
}

void Init(HWND hwnd, BoxState& s)
{
    s.hwnd = hwnd;
    openBox = hwnd;
    Describe(hwnd, *s.spec);
    s.normal = MakeFont(FW_NORMAL);
    s.bold = MakeFont(FW_BOLD);
    const HWND ok = GetDlgItem(hwnd, IDOK);
    const HWND no = GetDlgItem(hwnd, IDNO);
    SendMessageA(ok, WM_SETFONT, reinterpret_cast<WPARAM>(s.normal), 0);
    SendMessageA(no, WM_SETFONT, reinterpret_cast<WPARAM>(s.normal), 0);
    if (s.spec->type == 1) {
        SetWindowTextA(ok, "예");
        SetWindowTextA(no, "아니오");
    } else {
        SetWindowTextA(ok, "확인");
        ShowWindow(no, SW_HIDE);
        // One button: centre it.
        RECT r;
        GetWindowRect(ok, &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        RECT c;
        GetClientRect(hwnd, &c);
        SetWindowPos(ok, nullptr, (c.right - (r.right - r.left)) / 2, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    if (s.spec->autoCloseMs > 0) {
        if (Clock::IsVirtual()) {
            WindowTimer::Start(hwnd, kAutoCloseTimer, s.spec->autoCloseMs);
        } else {
            s.mmTimer = timeSetEvent(s.spec->autoCloseMs, 10, AutoCloseProc, reinterpret_cast<DWORD_PTR>(hwnd),
                                     TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
            if (!s.mmTimer) WindowTimer::Start(hwnd, kAutoCloseTimer, s.spec->autoCloseMs);
        }
    }
}

INT_PTR CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* s = reinterpret_cast<BoxState*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        Init(hwnd, *reinterpret_cast<BoxState*>(lParam));
        return TRUE;
    case WM_PAINT:
        if (!s) return FALSE;
        Paint(hwnd, *s);
        return TRUE;
    case WM_TIMER:
        if (s && wParam == kAutoCloseTimer) {
            Close(hwnd, *s, kAutoClosed);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (!s) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: case IDYES: Close(hwnd, *s, 1); return TRUE;
        case IDNO: case IDCANCEL: Close(hwnd, *s, s->spec->type == 1 ? 2 : 1); return TRUE;
        case kAutoClosed: Close(hwnd, *s, kAutoClosed); return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int ShowBitmapMessageBox(HWND owner, const MessageBoxSpec& spec)
{
    BoxState state;
    state.spec = &spec;
    const HWND previous = openBox;
    const INT_PTR r = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(kDialogId), owner, BoxProc,
                                      reinterpret_cast<LPARAM>(&state));
    openBox = previous;
    if (state.normal) DeleteObject(state.normal);
    if (state.bold) DeleteObject(state.bold);
    if (r == -1 || r == 0) {
        DebugLine("message box failed, error %lu", static_cast<unsigned long>(GetLastError()));
        return 2;
    }
    if (r == kAutoClosed) return spec.type == 1 ? 2 : 1;
    return static_cast<int>(r);
}

HWND GetOpenMessageBox()
{
    return openBox;
}
