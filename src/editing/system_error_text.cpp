#include "editing/system_error_text.h"

std::wstring systemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
  if (buffer) LocalFree(buffer);
  // The code as well: it identifies the cause where the text is vague or missing.
  const size_t end = text.find_last_not_of(L" \t\r\n");
  text.resize(end == std::wstring::npos ? 0 : end + 1);
  if (!text.empty()) text += L" ";
  text += L"(错误代码 " + std::to_wstring(error) + L")";
  return text;
}
