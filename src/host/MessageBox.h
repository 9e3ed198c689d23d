#pragma once

#include <cstdint>
#include <string>

#include "foundation/Win32.h"
#include "protocol/RoomCodes.h"

// The module's modal message box: dialog 101 of the module's resources, drawn as a framed panel
// with the text's style tags applied (a tag's weight digit makes the run bold; every run takes
// the box's text colour).
struct MessageBoxSpec {
    std::string text;
    int type = 0;           // 0: one OK button, 1: yes and no
    uint32_t autoCloseMs = 0;  // 0 never closes by itself
    std::string title;
    uint32_t textColor = kBoxTextColor;
};

// The box's window properties (see MessageBox.cpp): type + 1, auto-close ms + 1, the title's atom.
constexpr const char* kBoxTypeProp = "MirelleBox.Type";
constexpr const char* kBoxAutoCloseProp = "MirelleBox.AutoCloseMs";
constexpr const char* kBoxTitleProp = "MirelleBox.Title";

// 1 for the first button (OK or yes), 2 for the second (no). A box that closes by itself
// answers 1 for type 0 and 2 for type 1, so a timed question is never taken as yes.
// Returns 2 when the box cannot be shown.
int ShowBitmapMessageBox(HWND owner, const MessageBoxSpec& spec);

// The dialog of a box being shown on this thread, or null (for tests and the stand-in host).
HWND GetOpenMessageBox();
