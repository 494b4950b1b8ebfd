// The text of the box that says a certificate was not saved.
#pragma once

#include <string>
#include <string_view>

// Reason given when the canvas could not be copied at all.
inline constexpr std::wstring_view kEmptyCaptureReason = L"无法截取证件画面。";

// Names the path and gives the reason (the system's own text for the error).
std::wstring saveErrorMessage(std::wstring_view path, std::wstring_view reason);
