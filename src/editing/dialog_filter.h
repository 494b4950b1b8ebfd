// The file dialogs take their filter as NUL-separated pairs ending in two
// NULs; the component stores it as "description|pattern" text.
#pragma once

#include <string>
#include <string_view>

// Trailing white space removed, "||" appended unless present, every "|"
// turned into a NUL. Empty when the filter is empty: the dialog gets none.
std::wstring toDialogFilter(std::wstring_view filter);
