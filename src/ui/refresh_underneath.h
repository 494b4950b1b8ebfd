// Has everything beneath a transparent window painted again at once, then
// the window itself, so its text lands on fresh pixels.
#pragma once

#include <windows.h>

void refreshUnderneath(HWND label);
