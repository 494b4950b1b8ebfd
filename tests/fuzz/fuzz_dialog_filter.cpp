// The filter text comes from a setting anyone may write: whatever it holds,
// the converted filter has no separator left and ends in the double NUL the
// file dialogs need, or is empty.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "editing/dialog_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring filter(size / sizeof(wchar_t), L'\0');
  if (!filter.empty()) std::memcpy(filter.data(), data, filter.size() * sizeof(wchar_t));
  const std::wstring converted = toDialogFilter(filter);
  if (converted.find(L'|') != std::wstring::npos) __builtin_trap();
  if (!converted.empty() && !converted.ends_with(std::wstring(2, L'\0'))) __builtin_trap();
  if (converted.size() > filter.size() + 2) __builtin_trap();
  return 0;
}
