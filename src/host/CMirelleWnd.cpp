#include "host/CMirelleWnd.h"

#include <list>
#include <mutex>
#include <set>
#include <utility>

#include <windowsx.h>

#include "foundation/Debug.h"
#include "foundation/TextWin32.h"
#include "foundation/WindowTimer.h"
#include "host/DisplayGlobals.h"
#include "host/MessageBox.h"
#include "protocol/GameMessage.h"
#include "scene/CMirelleVWS.h"
#include "scene/GameFolders.h"
#include "scene/core/InputRules.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"

namespace {

constexpr int kGameWidth = 800;
constexpr int kGameHeight = 600;
constexpr DWORD kLoaderWaitMs = 3000;
constexpr UINT kLoadedMessage = WM_APP + 6;
constexpr UINT kLoaderEndedMessage = WM_APP + 7;
constexpr UINT kAppCommandMessage = WM_USER + 100;

std::mutex liveLock;
std::set<const CMirelleWnd*> live;  // the main windows not yet deleted

}  // namespace

CMirelleWnd::CMirelleWnd(IHostInterface* hostInterface) : host(hostInterface)
{
    std::lock_guard<std::mutex> hold(liveLock);
    live.insert(this);
}

CMirelleWnd::~CMirelleWnd()
{
    {
        std::lock_guard<std::mutex> hold(liveLock);
        live.erase(this);
    }
    if (!StopLoader()) {
        // Only when deleted past RequestDestroy with the loader still running: the scene and the
        // display are left to the process rather than freed under it.
        DebugLine("loader still running at destruction; scene left in place");
        CloseHandle(loaderThread);
        loaderThread = nullptr;
        (void)scene.release();
        (void)screen.release();
    }
    if (GetHwnd()) WindowTimer::StopAll(GetHwnd());
    scene.reset();
    Destroy();
    if (screen) UnbindGlobalsFromDisplay();
    screen.reset();
}

CMirelleWnd* CMirelleWnd::FromClient(IClientInterface* client)
{
    auto* wnd = static_cast<CMirelleWnd*>(client);
    std::lock_guard<std::mutex> hold(liveLock);
    return client && live.count(wnd) ? wnd : nullptr;
}

HWND CMirelleWnd::Open(HWND parent, const std::string& gameDirectory, const std::string& portalDirectory, bool asyncLoad,
                       bool full)
{
    hostWnd = parent;
    gameDir = gameDirectory;
    portalDir = portalDirectory;
    fullScreen = full;
    async = asyncLoad;
    // The sprite files are read while the display is set up and the widgets are made.
    prefetch.Start(ImageFolderOf(gameDir));
    const HWND window = Create("QuorvelMirelleGameWndT", "MirelleWnd", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                             kGameWidth, kGameHeight, parent);
    if (!window) return nullptr;
    screen = std::make_unique<GDDScreen>();
    const HRESULT hr = screen->Create(window, {kGameWidth, kGameHeight}, full ? ScreenMode::FullScreen : ScreenMode::Windowed);
    if (FAILED(hr)) {
        Fail("GDDScreen::Create", hr);
        return CloseAfterFailedOpen();
    }
    BindGlobalsToDisplay(*screen);
    scene = std::make_unique<CMirelleVWS>(this);
    
    if (!scene->Init({0, 0, kGameWidth, kGameHeight})) return CloseAfterFailedOpen();
    if (!StartLoader(asyncLoad)) return CloseAfterFailedOpen();
    return window;
}

// A start that failed leaves no window on the host's screen; no loader runs on these paths.
HWND CMirelleWnd::CloseAfterFailedOpen()
{
    prefetch.Stop();
    scene.reset();
    Destroy();
    if (screen) UnbindGlobalsFromDisplay();
    screen.reset();
    return nullptr;
}

int CMirelleWnd::StartLoader(bool asyncLoad)
{
    if (!asyncLoad && !LoadWidgets()) return 0;
    stopLoading.store(false);
    // While the loader builds the widgets the window thread leaves the scene alone; the sound
    // layer refuses every call until the loader has registered the sounds.
    loading.store(asyncLoad);
    scene->GetSound().BeginLoading();
    loaderRunning.store(true);
    loaderThread = CreateThread(nullptr, 0, &CMirelleWnd::LoaderThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (!loaderThread) {
        loaderRunning.store(false);
        // No thread: load here, and still tell the host how loading went.
        DebugLine("loader thread not created, error %lu; loading at once", static_cast<unsigned long>(GetLastError()));
        RunLoad(asyncLoad);
        return 1;
    }
    SetThreadPriority(loaderThread, THREAD_PRIORITY_NORMAL);
    ResumeThread(loaderThread);
    return 1;
}

DWORD WINAPI CMirelleWnd::LoaderThreadProc(void* param)
{
    auto* wnd = static_cast<CMirelleWnd*>(param);
    const HWND window = wnd->GetHwnd();
    const int result = GuardBoundary("LoaderThreadProc", 0, [&] { return wnd->RunLoad(wnd->async); });
    // The last touch of the object: once the flag is down the window thread may delete it.
    wnd->loaderRunning.store(false);
    if (window) PostMessageA(window, kLoaderEndedMessage, 0, 0);
    return static_cast<DWORD>(result);
}

int CMirelleWnd::LoadWidgets()
{
    const int result = scene->LoadResources(stopLoading);
    prefetch.Stop();
    return result;
}

int CMirelleWnd::RunLoad(bool asyncLoad)
{
    int result = 1;
    if (asyncLoad) {
        result = LoadWidgets();
        loading.store(false);
        // The window thread takes up the messages that waited for the widgets.
        if (GetHwnd()) PostMessageA(GetHwnd(), kLoadedMessage, 0, 0);
        PostMessageA(hostWnd, kHostLoadFinished, static_cast<WPARAM>(result), 0);
    }
    if (!stopLoading.load()) scene->LoadSounds(stopLoading);
    return result;
}

bool CMirelleWnd::StopLoader()
{
    if (!loaderThread) return true;
    stopLoading.store(true);
    // The loader checks the flag between loads; never more than three seconds in all.
    if (WaitForSingleObject(loaderThread, kLoaderWaitMs) != WAIT_OBJECT_0) {
        DebugLine("loader thread did not stop within %lu ms", static_cast<unsigned long>(kLoaderWaitMs));
        return false;
    }
    CloseHandle(loaderThread);
    loaderThread = nullptr;
    return true;
}

bool CMirelleWnd::StopLoaderOnce()
{
    if (loaderOverdue) return false;
    loaderOverdue = !StopLoader();
    return !loaderOverdue;
}

void CMirelleWnd::RequestDestroy()
{
    if (destroyPending) return;
    if (busyDepth > 0 || !StopLoaderOnce()) {
        // Deleted when the handler running now returns, or when the loader's end message arrives:
        // the loader reads this object until it lowers its running flag.
        destroyPending = true;
        stopLoading.store(true);
        if (GetHwnd()) ShowWindow(GetHwnd(), SW_HIDE);
        return;
    }
    delete this;
}

bool CMirelleWnd::FinishDeferred()
{
    if (busyDepth > 0) return false;
    if (destroyPending) {
        if (loaderRunning.load() && !StopLoaderOnce()) return false;
        delete this;
        return true;
    }
    if (resetPending && scene) {
        resetPending = false;
        scene->ResetGameState();
    }
    if (resetViewPending && scene) {
        resetViewPending = false;
        ResetSceneView();
    }
    return false;
}

LRESULT CMirelleWnd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kLoaderEndedMessage) {
        FinishDeferred();
        return 0;
    }
    if (!scene || loading.load()) return GWnd::WndProc(msg, wParam, lParam);
    if (msg == kLoadedMessage) {
        ApplyDeferredScreenMode();
        if (resetViewAfterLoad) {
            resetViewAfterLoad = false;
            // The messages that came after the reset are the next room's: they stay.
            std::list<GameMessage> nextRoom = std::move(scene->GetQueue().messages);
            scene->GetQueue().ClearQueue();
            ResetSceneView();
            scene->GetQueue().messages = std::move(nextRoom);
        }
        {
            Busy busy(*this);
            scene->DispatchGameMessage();
        }
        FinishDeferred();
        return 0;
    }
    LRESULT result = 0;
    bool routed = false;
    {
        Busy busy(*this);
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            BeginPaint(GetHwnd(), &ps);
            EndPaint(GetHwnd(), &ps);
            scene->SetRedrawAll(true);
            scene->RenderScreen();
            routed = true;
        } else if (msg == kAppCommandMessage) {
            result = scene->OnAppCommand();
            routed = true;
        } else {
            if (msg == WM_SETFOCUS) scene->OnSetFocus();
            if (msg == WM_KILLFOCUS) scene->OnKillFocus();
            routed = scene->OnWndMsg(msg, wParam, lParam, result);
            if (msg == WM_LBUTTONDOWN && !routed && !fullScreen) StartCaptionDrag(lParam);
        }
    }
    // The host may have asked to destroy the room while a handler ran.
    const HWND window = GetHwnd();
    if (FinishDeferred()) return routed ? result : DefWindowProcA(window, msg, wParam, lParam);
    return routed ? result : GWnd::WndProc(msg, wParam, lParam);
}

// A press the room left alone, windowed: the user drags the host's window by the game's title strip.
// Posted, so the move loop runs in the host's loop and not inside this handler.
void CMirelleWnd::StartCaptionDrag(LPARAM lParam)
{
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // A room with its input off answers 0 anywhere: only the title strip drags.
    const HWND top = GetAncestor(hostWnd, GA_ROOT);
    if (!top || !InputRules::IsInTitleStrip({p.x, p.y})) return;
    ClientToScreen(GetHwnd(), &p);
    ReleaseCapture();
    PostMessageA(top, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
}

bool CMirelleWnd::RecreateScreen(bool full)
{
    if (!GetHwnd()) return false;
    auto fresh = std::make_unique<GDDScreen>();
    const HRESULT hr = fresh->Create(GetHwnd(), {kGameWidth, kGameHeight}, full ? ScreenMode::FullScreen : ScreenMode::Windowed);
    if (FAILED(hr)) {
        Fail("GDDScreen::Create (again)", hr);
        return false;
    }
    UnbindGlobalsFromDisplay();
    screen = std::move(fresh);
    fullScreen = full;
    BindGlobalsToDisplay(*screen);
    PostMessageA(hostWnd, kHostScreenRecreated, 0, 0);
    if (scene) {
        scene->vip.Helper().RepositionVIPDialog(GetHwnd(), true);
        scene->SetRedrawAll(true);
        scene->RenderScreen();
    }
    return true;
}

void CMirelleWnd::ApplyDeferredScreenMode()
{
    if (pendingScreenMode < 0) return;
    const bool full = pendingScreenMode == 1;
    pendingScreenMode = -1;
    if (!RecreateScreen(full)) DebugLine("the screen mode asked for during loading could not be set");
}

void CMirelleWnd::PostToHost(int32_t code)
{
    PostMessageA(hostWnd, kHostNotify, static_cast<WPARAM>(scene ? scene->env.hostNotifyValue : 0), code);
}

BoxAnswer CMirelleWnd::ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                                uint32_t textColor)
{
    Busy busy(*this);
    MessageBoxSpec spec;
    spec.text = text;
    spec.type = static_cast<int>(type);
    spec.autoCloseMs = autoCloseMs;
    spec.title = title;
    spec.textColor = textColor;
    return static_cast<BoxAnswer>(ShowBitmapMessageBox(GetHwnd(), spec));
}

int CMirelleWnd::ReceiveGameMessage(const uint8_t* data, int size)
{
    return GuardBoundary("ReceiveGameMessage", -1, [&] {
        GameMessage message;
        // A message that does not read is dropped: no handler sees a partial body.
        if (!data || size <= 0 || !ReadGameMessage(data, static_cast<size_t>(size), message)) {
            DebugLine("dropped an unreadable server message of %d bytes", size);
            return 0;
        }
        if (!scene) return 0;
        {
            Busy busy(*this);
            scene->EnqueueGameMessage(message);
        }
        FinishDeferred();
        return 0;
    });
}

int CMirelleWnd::SetUserAvatar(int userKey, BSTR itemList)
{
    return GuardBoundary("SetUserAvatar", -1, [&] {
        if (!scene) return -1;
        return scene->Link().SetUserAvatar(userKey, itemList ? WideToAnsi(itemList) : std::string());
    });
}

int CMirelleWnd::SetUserTitle(int userKey, BSTR text)
{
    return GuardBoundary("SetUserTitle", -1, [&] {
        if (!scene) return -1;
        const int result = scene->Link().SetUserTitle(userKey, text ? WideToAnsi(text) : std::string());
        if (result == 0 && !IsLoading()) scene->FlushRedraw();
        return result;
    });
}

int CMirelleWnd::GetUserSeat(int userKey)
{
    return GuardBoundary("GetUserSeat", -1, [&] { return scene ? scene->FindSeatByKey(userKey) : -1; });
}

int CMirelleWnd::IsOwnUser(int userKey)
{
    return GuardBoundary("IsOwnUser", 0, [&] { return scene && userKey != -1 && scene->ownUser.userKey == userKey ? 1 : 0; });
}

int CMirelleWnd::ResetRoom()
{
    return GuardBoundary("ResetRoom", -1, [&] {
        if (!scene) return -1;
        if (busyDepth > 0) {
            resetPending = true;
            return 0;
        }
        scene->ResetGameState();
        return 0;
    });
}

int CMirelleWnd::ResetRoomView()
{
    return GuardBoundary("ResetRoomView", -1, [&] {
        if (!scene) return -1;
        // The loader is building the widgets: the old room's messages go now, the view is reset
        // once the loader ends.
        if (IsLoading()) {
            scene->GetQueue().ClearQueue();
            resetViewAfterLoad = true;
            return 0;
        }
        // A handler waits in Delay or a box: reset once it returns.
        if (busyDepth > 0) {
            resetViewPending = true;
            return 0;
        }
        ResetSceneView();
        return 0;
    });
}

void CMirelleWnd::ResetSceneView()
{
    {
        Busy busy(*this);
        scene->View().ResetRoomView();
    }
    scene->SetDirty();
    scene->FlushRedraw();
}

int CMirelleWnd::ReinitScreen()
{
    return GuardBoundary("ReinitScreen", -1, [&] {
        if (!scene) return -1;
        scene->SetRedrawAll(true);
        scene->StartFrameTimer();
        if (IsLoading()) scene->SetDirty();
        else scene->RenderScreen();
        return 0;
    });
}

int CMirelleWnd::RequestForcedExit(int targetUserKey)
{
    return GuardBoundary("RequestForcedExit", -1, [&] {
        if (!scene || IsLoading()) return -1;
        {
            Busy busy(*this);
            scene->Options().RequestForcedExit(targetUserKey);
        }
        FinishDeferred();
        return 0;
    });
}

int CMirelleWnd::SetTitleBarText(BSTR text)
{
    return GuardBoundary("SetTitleBarText", -1, [&] {
        if (!scene) return -1;
        scene->Options().SetTitleBarText(text ? WideToAnsi(text) : std::string());
        return 0;
    });
}

int CMirelleWnd::SetScreenMode(int full, int /*width*/, int /*height*/)
{
    return GuardBoundary("SetScreenMode", -1, [&] {
        // The loader makes its surfaces on the present display: change it once loading is over.
        if (IsLoading()) {
            pendingScreenMode = full != 0 ? 1 : 0;
            return 0;
        }
        return RecreateScreen(full != 0) ? 0 : -1;
    });
}

int CMirelleWnd::HostCommand(int userKey, const int32_t* command, BSTR text, int32_t* value)
{
    return GuardBoundary("HostCommand", -1, [&] {
        if (!command || *command < 14 || *command > 29) return -1;
        if (!scene) return 0;
        int answer = 0;
        {
            // A command may wait in a box (the title buttons' questions): a reset meanwhile waits.
            Busy busy(*this);
            answer = scene->Link().OnHostCommand(userKey, *command, text ? WideToAnsi(text) : std::string(), value);
        }
        FinishDeferred();
        return answer;
    });
}
