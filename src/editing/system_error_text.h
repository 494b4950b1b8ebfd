// The system's own description of a Win32 error code, in the system language.
#pragma once

#include <windows.h>

#include <string>

std::wstring systemErrorText(DWORD error);
