#pragma once

#include <windows.h>

#include <string>

#include "protocol_json/JsonFields.h"

// Replay steps on the module's own dialog (a popup window of the host's thread, not the game window):
//   {"dialog_click": ID}                    clicks a control (BM_CLICK)
//   {"dialog_text": ID, "text": TEXT}       sets a control's text
//   {"dialog_key": "Escape"}                the key through the dialog's navigation (IsDialogMessage)
//   {"expect_control": ID, "text": TEXT}    a control's text
//   {"expect_dialog": "visible" | "hidden"}
// The answer is empty on success, else what failed.
bool IsDialogStep(const Json& step);
std::string RunDialogStep(const Json& step, HWND gameWnd);

// The module's visible dialog over the game window, or null.
HWND FindModuleDialog(HWND gameWnd);
