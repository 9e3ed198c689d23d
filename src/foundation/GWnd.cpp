#include "foundation/GWnd.h"

#include <windowsx.h>

#include "foundation/Debug.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE ModuleInstance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

}  // namespace

GWnd::~GWnd()
{
    Destroy();
}

HWND GWnd::Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int width,
                  int height, HWND parent, HMENU menu)
{
    if (hwnd) return nullptr;
    return GWndMgr::Instance().CreateFor(this, className, title, style, exStyle, x, y, width, height, parent, menu);
}

void GWnd::Destroy()
{
    if (!hwnd) return;
    const HWND h = hwnd;
    DestroyWindow(h);
    // WM_NCDESTROY forgets the handle; a window of another thread cannot be destroyed from here.
    if (hwnd == h) {
        GWndMgr::Instance().Forget(h);
        hwnd = nullptr;
    }
}

LRESULT GWnd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const UINT flags = static_cast<UINT>(wParam);
    bool handled = false;
    switch (msg) {
    case WM_CREATE: handled = OnCreate(); break;
    case WM_DESTROY: handled = OnDestroy(); break;
    case WM_PAINT: handled = OnPaint(); break;
    case WM_TIMER: handled = OnTimer(static_cast<UINT_PTR>(wParam)); break;
    case WM_SIZE: handled = OnSize(flags, LOWORD(lParam), HIWORD(lParam)); break;
    case WM_SETFOCUS: handled = OnSetFocus(reinterpret_cast<HWND>(wParam)); break;
    case WM_KILLFOCUS: handled = OnKillFocus(reinterpret_cast<HWND>(wParam)); break;
    case WM_KEYDOWN: handled = OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam)); break;
    case WM_KEYUP: handled = OnKeyUp(flags, LOWORD(lParam), HIWORD(lParam)); break;
    case WM_CHAR: handled = OnChar(flags, LOWORD(lParam), HIWORD(lParam)); break;
    case WM_MOUSEMOVE: handled = OnMouseMove(flags, x, y); break;
    case WM_LBUTTONDOWN: handled = OnLButtonDown(flags, x, y); break;
    case WM_LBUTTONUP: handled = OnLButtonUp(flags, x, y); break;
    case WM_LBUTTONDBLCLK: handled = OnLButtonDblClk(flags, x, y); break;
    case WM_RBUTTONDOWN: handled = OnRButtonDown(flags, x, y); break;
    case WM_RBUTTONUP: handled = OnRButtonUp(flags, x, y); break;
    case WM_MOUSEWHEEL:
        handled = OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam), x, y);
        break;
    case WM_SETCURSOR:
        handled = OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
        if (handled) return TRUE;
        break;
    case WM_COMMAND: handled = OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); break;
    case WM_IME_STARTCOMPOSITION: handled = OnImeStartComposition(); break;
    case WM_IME_COMPOSITION: handled = OnImeComposition(wParam, lParam); break;
    case WM_IME_ENDCOMPOSITION: handled = OnImeEndComposition(); break;
    default: {
        LRESULT result = 0;
        if (OnOtherMessage(msg, wParam, lParam, result)) return result;
        break;
    }
    }
    if (handled) return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

GWndMgr& GWndMgr::Instance()
{
    static GWndMgr* mgr = new GWndMgr;  // outlives every window, whatever the order of static destruction
    return *mgr;
}

GWnd* GWndMgr::Find(HWND hwnd)
{
    CsLock hold(mapLock);
    const auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second;
}

size_t GWndMgr::Count()
{
    CsLock hold(mapLock);
    return windows.size();
}

bool GWndMgr::EnsureClass(const char* className)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(ModuleInstance(), className, &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &GWndMgr::StaticWndProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    if (RegisterClassExA(&wc)) return true;
    DebugLine("RegisterClassEx(%s) failed, error %lu", className, static_cast<unsigned long>(GetLastError()));
    return false;
}

HWND GWndMgr::CreateFor(GWnd* wnd, const char* className, const char* title, DWORD style, DWORD exStyle, int x,
                        int y, int width, int height, HWND parent, HMENU menu)
{
    CsLock hold(createLock);
    if (!EnsureClass(className)) return nullptr;
    creating = wnd;
    creatingThread = GetCurrentThreadId();
    const HWND h = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                                   ModuleInstance(), nullptr);
    creating = nullptr;
    creatingThread = 0;
    if (!h) DebugLine("CreateWindowEx(%s) failed, error %lu", className, static_cast<unsigned long>(GetLastError()));
    return h;
}

void GWndMgr::Forget(HWND hwnd)
{
    CsLock hold(mapLock);
    windows.erase(hwnd);
}

LRESULT CALLBACK GWndMgr::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    GWndMgr& mgr = Instance();
    GWnd* wnd = mgr.Find(hwnd);
    if (!wnd && mgr.creating && mgr.creatingThread == GetCurrentThreadId()) {
        // The first message of a window being created on this thread (CreateFor holds the lock).
        wnd = mgr.creating;
        mgr.creating = nullptr;
        wnd->hwnd = hwnd;
        CsLock hold(mgr.mapLock);
        mgr.windows[hwnd] = wnd;
    }
    if (!wnd) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const LRESULT result = GuardBoundary("GWnd::WndProc", LRESULT{0}, [&] { return wnd->WndProc(msg, wParam, lParam); });
    if (msg == WM_NCDESTROY) {
        mgr.Forget(hwnd);
        wnd->hwnd = nullptr;
    }
    return result;
}
