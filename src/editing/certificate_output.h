// "生成": the certificate canvas as it shows on screen, saved as a BMP file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class Form;

// Click handler of 按钮生成: asks for a file name, captures 标签生成 and
// saves it. A failed save is reported in a box owned by the main window.
void onGenerateButtonClicked(Form& form);

// The on-screen pixels of the window's whole window rectangle, border
// included, as the bytes of a 24-bit bottom-up BMP file. Empty when nothing
// could be captured.
std::vector<uint8_t> captureWindowImage(HWND window);
