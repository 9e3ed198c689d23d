#pragma once

#include <string>

#include "foundation/Win32.h"

// Names the trace writes beside the module's numbers; an unknown number has no name ("").
const char* HostRequestName(int code);
const char* ControlStateName(int state);
const char* LeaveNoticeName(int code);
const char* PostedName(UINT msg);
