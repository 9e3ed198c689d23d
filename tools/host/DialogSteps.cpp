#include "DialogSteps.h"

#include "StandInHost.h"

namespace {

struct Search {
    DWORD thread = 0;
    HWND found = nullptr;
    bool visibleOnly = true;
};

BOOL CALLBACK FindDialog(HWND wnd, LPARAM lp)
{
    auto* s = reinterpret_cast<Search*>(lp);
    char cls[16] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (std::string(cls) != "#32770") return TRUE;
    if (s->visibleOnly && !IsWindowVisible(wnd)) return TRUE;
    // The module's message box is a dialog too, but it has an OK button; the VIP dialog has its own ids.
    if (!GetDlgItem(wnd, 251) && !GetDlgItem(wnd, 200)) return TRUE;
    s->found = wnd;
    return FALSE;
}

HWND FindAny(bool visibleOnly)
{
    Search s{GetCurrentThreadId(), nullptr, visibleOnly};
    EnumThreadWindows(s.thread, FindDialog, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

const Json* Member(const Json& j, const char* key)
{
    return j.is_object() && j.contains(key) ? &j[key] : nullptr;
}

int IdOf(const Json* v)
{
    return v && v->is_number_integer() ? v->get<int>() : -1;
}

std::string TextOf(const Json* v)
{
    return v && v->is_string() ? v->get<std::string>() : std::string();
}

std::string ControlText(HWND control)
{
    char buffer[512] = {};
    GetWindowTextA(control, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

bool IsDialogStep(const Json& step)
{
    for (const char* key : {"dialog_click", "dialog_text", "dialog_key", "expect_control", "expect_dialog"})
        if (Member(step, key)) return true;
    return false;
}

HWND FindModuleDialog(HWND)
{
    return FindAny(true);
}

std::string RunDialogStep(const Json& step, HWND gameWnd)
{
    if (const Json* want = Member(step, "expect_dialog")) {
        const bool visible = FindModuleDialog(gameWnd) != nullptr;
        const std::string expected = TextOf(want);
        if ((expected == "visible") != visible) return "the dialog is " + std::string(visible ? "visible" : "hidden");
        return {};
    }
    HWND dialog = FindModuleDialog(gameWnd);
    if (!dialog) return "no dialog of the module is visible";
    if (const Json* key = Member(step, "dialog_key")) {
        if (TextOf(key) != "Escape") return "only Escape goes to the dialog";
        MSG msg{GetFocus() && IsChild(dialog, GetFocus()) ? GetFocus() : dialog, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
        if (!IsDialogMessageA(dialog, &msg)) return "the dialog did not take Escape";
        return {};
    }
    const char* idKey = Member(step, "dialog_click") ? "dialog_click" : Member(step, "dialog_text") ? "dialog_text" : "expect_control";
    const int id = IdOf(Member(step, idKey));
    HWND control = GetDlgItem(dialog, id);
    if (!control) return "the dialog has no control " + std::to_string(id);
    if (Member(step, "dialog_click")) {
        SendMessageA(control, BM_CLICK, 0, 0);
    } else if (Member(step, "dialog_text")) {
        SetWindowTextA(control, Utf8ToAnsi(TextOf(Member(step, "text"))).c_str());
    } else {
        const std::string want = Utf8ToAnsi(TextOf(Member(step, "text")));
        const std::string came = ControlText(control);
        if (came != want) return "control " + std::to_string(id) + " reads \"" + AnsiToUtf8(came) + "\"";
    }
    return {};
}
