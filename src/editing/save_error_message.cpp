#include "editing/save_error_message.h"

std::wstring saveErrorMessage(std::wstring_view path, std::wstring_view reason) {
  // System texts end in a line break of their own.
  const size_t end = reason.find_last_not_of(L" \t\r\n");
  reason = end == std::wstring_view::npos ? std::wstring_view{} : reason.substr(0, end + 1);

  std::wstring text = L"证件图片没有保存。\r\n\r\n文件：";
  text += path.empty() ? std::wstring_view(L"（没有文件名）") : path;
  text += L"\r\n原因：";
  text += reason.empty() ? std::wstring_view(L"未知错误。") : reason;
  return text;
}
