#pragma once

// The Windows headers with the settings the module builds with.
#include <windows.h>
