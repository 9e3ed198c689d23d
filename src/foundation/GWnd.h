#pragma once

#include <map>
#include <string>

#include "foundation/CriticalSection.h"
#include "foundation/Win32.h"

// A Win32 window with a virtual handler per window message. The handlers answer whether they
// took the message; what they do not take goes to DefWindowProc.
class GWnd {
public:
    GWnd() = default;
    virtual ~GWnd();
    GWnd(const GWnd&) = delete;
    GWnd& operator=(const GWnd&) = delete;

    // Registers the class on first use and creates the window; null on failure.
    HWND Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent, HMENU menu = nullptr);
    // Destroys the window (the object stays).
    void Destroy();
    HWND GetHwnd() const { return hwnd; }

    // Every message reaches this first; the default routes to the handlers below.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    virtual bool OnCreate() { return false; }
    virtual bool OnDestroy() { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnSize(UINT /*kind*/, int /*width*/, int /*height*/) { return false; }
    virtual bool OnSetFocus(HWND /*previous*/) { return false; }
    virtual bool OnKillFocus(HWND /*next*/) { return false; }
    virtual bool OnKeyDown(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) { return false; }
    virtual bool OnKeyUp(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) { return false; }
    virtual bool OnChar(UINT /*ch*/, UINT /*repeat*/, UINT /*flags*/) { return false; }
    virtual bool OnMouseMove(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnLButtonDown(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnLButtonUp(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnLButtonDblClk(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnRButtonDown(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnRButtonUp(UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnMouseWheel(int /*delta*/, UINT /*flags*/, int /*x*/, int /*y*/) { return false; }
    virtual bool OnSetCursor(HWND /*hwnd*/, UINT /*hitTest*/, UINT /*msg*/) { return false; }
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    virtual bool OnImeStartComposition() { return false; }
    virtual bool OnImeComposition(WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }
    virtual bool OnImeEndComposition() { return false; }
    // Messages from WM_USER on and any other message no handler above covers.
    virtual bool OnOtherMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }

private:
    friend class GWndMgr;
    HWND hwnd = nullptr;
};

// The process-wide registry of live GWnd windows by handle. Creation is serialised so the
// window procedure can bind the first messages of a new window to its object.
class GWndMgr {
public:
    static GWndMgr& Instance();

    GWnd* Find(HWND hwnd);
    size_t Count();

    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class GWnd;
    HWND CreateFor(GWnd* wnd, const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y,
                   int width, int height, HWND parent, HMENU menu);
    void Forget(HWND hwnd);
    bool EnsureClass(const char* className);

    CriticalSection createLock;
    CriticalSection mapLock;
    std::map<HWND, GWnd*> windows;
    GWnd* creating = nullptr;      // set by CreateFor under createLock
    DWORD creatingThread = 0;
};
