#include "editing/dialog_filter.h"

#include <algorithm>

std::wstring toDialogFilter(std::wstring_view filter) {
  const size_t end = filter.find_last_not_of(L" \t\r\n\v\f");
  if (end == std::wstring_view::npos) return {};

  std::wstring converted(filter.substr(0, end + 1));
  if (!converted.ends_with(L"||")) converted += L"||";
  std::replace(converted.begin(), converted.end(), L'|', L'\0');
  return converted;
}
