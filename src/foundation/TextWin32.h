#pragma once

#include <string>

// The text in the ANSI code page (949 under the Korean locale); characters it lacks become "?".
std::string WideToAnsi(const std::wstring& text);
std::string WideToAnsi(const wchar_t* text);
std::wstring AnsiToWide(const std::string& text);
