#pragma once

#include <cstdint>
#include <string>

#include "foundation/Win32.h"
#include "protocol/RoomCodes.h"

class GDDScreen;
struct IHostInterface;

// What the scene needs of the window it lives in; the module's main window implements it.
class SceneWindow {
public:
    virtual HWND GetGameWnd() const = 0;
    virtual HWND GetHostWnd() const = 0;
    // Null until the display exists.
    virtual GDDScreen* GetScreen() const = 0;
    virtual const std::string& GetGameDir() const = 0;
    virtual const std::string& GetPortalDir() const = 0;
    virtual IHostInterface* GetHost() const = 0;
    // Whether the loader thread is building the scene's widgets.
    virtual bool IsLoading() const = 0;
    virtual bool IsFullScreen() const = 0;
    // Makes the display anew in the current mode; false when that failed.
    virtual bool RecreateScreen() = 0;
    // Posts a notice to the host's window (the scene's notify value with `code`).
    virtual void PostToHost(int32_t code) = 0;
    // The module's modal message box: 1 first button, 2 second (also when it cannot be shown).
    virtual BoxAnswer ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                               uint32_t textColor) = 0;

protected:
    ~SceneWindow() = default;
};
