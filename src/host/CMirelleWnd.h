#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "foundation/GWnd.h"
#include "host/SpritePrefetch.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"
#include "toolkit/GDDScreen.h"

class CMirelleVWS;

// The module's main window: the game window inside the host's window, the face the host calls
// (IClientInterface), the owner of the display and the scene, the scene's window (SceneWindow) and
// the loader thread.
class CMirelleWnd final : public GWnd, public IClientInterface, public SceneWindow {
public:
    explicit CMirelleWnd(IHostInterface* host);
    ~CMirelleWnd() override;

    // The main window behind a client face, null when the face is not one of ours.
    static CMirelleWnd* FromClient(IClientInterface* client);

    // Creates the game window, the display and the scene and starts loading; the window or null.
    HWND Open(HWND hostWnd, const std::string& gameDir, const std::string& portalDir, bool async, bool fullScreen);
    // The host asks to destroy the room: at once, or when the handler running now returns.
    void RequestDestroy();

    // IClientInterface.
    int __stdcall ReceiveGameMessage(const uint8_t* data, int size) override;
    int __stdcall Reserved1() override { return -1; }
    int __stdcall Reserved2() override { return -1; }
    int __stdcall Reserved3() override { return -1; }
    int __stdcall SetUserAvatar(int userKey, BSTR itemList) override;
    int __stdcall SetUserTitle(int userKey, BSTR text) override;
    int __stdcall GetUserSeat(int userKey) override;
    int __stdcall IsOwnUser(int userKey) override;
    int __stdcall ResetRoom() override;
    int __stdcall ResetRoomView() override;
    int __stdcall ReinitScreen() override;
    int __stdcall RequestForcedExit(int targetUserKey) override;
    int __stdcall SetTitleBarText(BSTR text) override;
    int __stdcall SetScreenMode(int fullScreen, int width, int height) override;
    int __stdcall HostCommand(int userKey, const int32_t* command, BSTR text, int32_t* value) override;
    int __stdcall Reserved15() override { return -1; }

    // SceneWindow.
    HWND GetGameWnd() const override { return GetHwnd(); }
    HWND GetHostWnd() const override { return hostWnd; }
    GDDScreen* GetScreen() const override { return screen.get(); }
    const std::string& GetGameDir() const override { return gameDir; }
    const std::string& GetPortalDir() const override { return portalDir; }
    IHostInterface* GetHost() const override { return host; }
    bool IsLoading() const override { return loading.load(); }
    bool IsFullScreen() const override { return fullScreen; }
    bool RecreateScreen() override { return RecreateScreen(fullScreen); }
    void PostToHost(int32_t code) override;
    BoxAnswer ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor) override;

    CMirelleVWS* GetScene() const { return scene.get(); }
    bool RecreateScreen(bool full);

    // Loading: on the caller's thread (sync) or on one worker thread.
    int StartLoader(bool async);

    // Counts the calls into the room that are running, so a destroy waits for them.
    class Busy {
    public:
        explicit Busy(CMirelleWnd& w) : wnd(w) { ++wnd.busyDepth; }
        ~Busy() { --wnd.busyDepth; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        CMirelleWnd& wnd;
    };

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HWND CloseAfterFailedOpen();
    static DWORD WINAPI LoaderThreadProc(void* param);
    int RunLoad(bool async);
    // The scene's widgets; ends the read-ahead of sprite files.
    int LoadWidgets();
    // Asks the loader to stop and waits for it; false when it did not end in time (the thread
    // then still runs and its handle is kept).
    bool StopLoader();
    // The same, but once only: after one wait in vain the window thread waits no more.
    bool StopLoaderOnce();
    // After a call into the room or the loader's end: carry out a destroy the host asked for meanwhile.
    bool FinishDeferred();
    // What the host asked of the display while the loader was building on it.
    void ApplyDeferredScreenMode();
    void StartCaptionDrag(LPARAM lParam);
    // The scene forgets its room, then draws.
    void ResetSceneView();

    IHostInterface* host;
    HWND hostWnd = nullptr;
    std::string gameDir;
    std::string portalDir;
    bool fullScreen = false;
    bool async = false;
    std::unique_ptr<GDDScreen> screen;
    std::unique_ptr<CMirelleVWS> scene;
    HANDLE loaderThread = nullptr;
    std::atomic<bool> loading{false};
    std::atomic<bool> stopLoading{false};
    // Raised while the loader thread may touch this object; the object is deleted only after it falls.
    std::atomic<bool> loaderRunning{false};
    bool loaderOverdue = false;  // a stop was waited for in vain: the loader's end message finishes a destroy
    int busyDepth = 0;
    bool destroyPending = false;
    bool resetPending = false;
    bool resetViewPending = false;
    bool resetViewAfterLoad = false;  // asked for while the loader ran; the old room's messages went then
    int pendingScreenMode = -1;  // 0 windowed, 1 full screen, -1 none
    SpritePrefetch prefetch;
};
